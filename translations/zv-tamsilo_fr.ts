<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>sablier</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>sablier bas</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>sablier haut</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>cuillère</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>triangle inversé</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>rectangle</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>aucune silhouette</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>Rien n’est encore enregistré.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 names a measurement, e.g. waist; %2 its length, e.g. 70 cm</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries from %1 to %2. Latest: %3, measured shape %4.</source>
        <extracomment>%Ln is the number of entries; %1 and %2 are the first and last dates, e.g. 17/11/2026 and 07/12/2026; %3 the latest four lengths, e.g. bust 90 cm, waist 70 cm, high hip 80 cm and hips 99 cm; %4 the latest measured shape, e.g. Spoon</extracomment>
        <translation>
            <numerusform>%Ln entrée du %1 au %2. Dernière&#xa0;: %3&#xa0;; silhouette mesurée&#xa0;: %4.</numerusform>
            <numerusform>%Ln entrées du %1 au %2. Dernière&#xa0;: %3&#xa0;; silhouette mesurée&#xa0;: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>La ligne %1 ne contient pas huit champs séparés par des virgules.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une date écrite sous la forme 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une longueur en centimètres écrite sous la forme 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>La ligne %1 ouvre des guillemets qui ne sont jamais fermés.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>Ce n’est pas un historique exporté par ZV Tamsilo&#xa0;: sa première ligne n’est pas %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» ne correspond à aucune des silhouettes qu’un fichier CSV peut indiquer&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>l’entrée %1 contient autre chose qu’une mesure</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Le fichier %1 n’est pas un historique de ZV Tamsilo&#xa0;; il est donc laissé tel quel. Pour tenir un nouvel historique, déplacez ce fichier ailleurs.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>L’historique %1 a été écrit par une version plus récente de ZV Tamsilo&#xa0;; cette version le laisse tel quel.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>Impossible de lire l’historique %1 (%2). Rien n’y a été modifié.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>L’historique %1 est endommagé et ne peut pas être lu (%2). Il est laissé tel quel&#xa0;; pour tenir un nouvel historique, déplacez ce fichier ailleurs.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>Impossible d’écrire dans l’historique %1 (%2). Tout ce qui était enregistré auparavant est toujours là.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>le module %1 ne peut pas être chargé</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>Mon historique</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>&amp;Centimètres</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;Pouces</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>Entrées enregistrées</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>Graphique des quatre mesures dans le temps</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>&amp;Tout supprimer…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Vous trouverez ici uniquement ce que vous avez enregistré avec «&#xa0;Enregistrer dans l’historique&#xa0;» dans «&#xa0;Mesurer ma silhouette&#xa0;»&#xa0;: la date, les quatre mesures et la stature telles que vous les avez saisies, leur unité, et les silhouettes données par le mètre ruban et par vos réponses. Tout reste sur cet ordinateur, dans %1. «&#xa0;Tout supprimer&#xa0;» efface ce fichier.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Stature</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>Mètre ruban</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Supprimer l’entrée du %1 de votre historique&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>Fichier JSON (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>Exporter mon historique</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>L’historique n’a pas pu être exporté vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>Importer dans mon historique</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>Le fichier est trop volumineux pour être un historique.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>Rien n’a été importé depuis %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>%Ln entrée</numerusform>
            <numerusform>%Ln entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>Supprimer l’unique entrée de votre historique&#xa0;? Le fichier %1 sera effacé et ne pourra pas être récupéré.</numerusform>
            <numerusform>Supprimer les %Ln entrées de votre historique&#xa0;? Le fichier %1 sera effacé et ne pourra pas être récupéré.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>%Ln entrée exportée vers %1.</numerusform>
            <numerusform>%Ln entrées exportées vers %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>%Ln entrée ajoutée à votre historique.</numerusform>
            <numerusform>%Ln entrées ajoutées à votre historique.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>Saisissez les quatre mesures, chacune mesurable au mètre ruban, avant de les enregistrer.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>La stature n’est pas un nombre&#xa0;: corrigez-la ou laissez-la vide avant d’enregistrer les mesures.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Enregistré dans votre historique à la date du %1. Pour le consulter&#xa0;: Fichier &gt; Mon historique…, dans la fenêtre d’accueil ou sur la page des résultats.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>Comment prendre ses mesures</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>Utilisez un mètre ruban souple, sur des vêtements légers ou à même la peau, face à un miroir. Deux mesures du même tour présentent souvent jusqu’à 2&#xa0;cm (0,8&#xa0;in) d’écart, et le tour de taille qu’on prend soi-même ressort en général environ 1&#xa0;cm (0,4&#xa0;in) trop petit&#xa0;: prenez donc chaque mesure deux fois.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>Repérez vos mamelons du bout des doigts et passez le mètre ruban à cette hauteur autour du plus fort de la poitrine, sous les bras et bien à l’horizontale dans le dos. Il doit être ajusté sans serrer&#xa0;; lisez la mesure en expirant.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>Cherchez le point le plus fin entre la dernière côte et le haut de l’os de la hanche, en général juste au-dessus du nombril, et faites-en le tour, le mètre bien à l’horizontale. Lisez la mesure en expirant, sans tirer sur le ruban ni rentrer le ventre.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>Repérez du bout des doigts les os saillants à l’avant des hanches et passez le mètre ruban par-dessus, bien à l’horizontale, juste sous la taille. Il doit être ajusté sans serrer&#xa0;; lisez la mesure en expirant.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>Repérez l’os saillant sur le côté de chaque hanche, en haut de la cuisse, et passez le mètre ruban à cette hauteur autour du plus large des hanches et des fesses, bien à l’horizontale. Pieds joints, gardez-le ajusté sans serrer et lisez la mesure en expirant.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>Silhouette avec le mètre ruban autour du plus fort de la poitrine</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>Silhouette avec le mètre ruban autour du point le plus fin de la taille</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>Silhouette avec le mètre ruban sur les os des hanches, juste sous la taille</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>Silhouette avec le mètre ruban autour du plus large des hanches</translation>
    </message>
</context>
<context>
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <extracomment>%1 is a length in inches, e.g. 35.5</extracomment>
        <translation>%1&#xa0;in</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <extracomment>%1 is a length in centimetres, e.g. 90.5</extracomment>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>aucune des quatre</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is one of the program&apos;s four shapes, %2 the figure type the rules found, e.g. Spoon (triangle)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <extracomment>%1 is the bust&apos;s length, e.g. 90.5 cm</extracomment>
        <translation>Poitrine&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <extracomment>%1 is the waist&apos;s length, e.g. 70 cm</extracomment>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <extracomment>%1 is the high hip&apos;s length, e.g. 80 cm</extracomment>
        <translation>Haut des hanches&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>Hanches&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bust</source>
        <translation>Poitrine</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>High hip</source>
        <translation>Haut des hanches</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Hanches</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>Saisissez les quatre mesures pour voir la silhouette obtenue.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Silhouette mesurée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Vos deux mesures de la poitrine diffèrent de %1&#xa0;: mesurez à nouveau la poitrine.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Vos deux mesures de la taille diffèrent de %1&#xa0;: mesurez à nouveau la taille.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Vos deux mesures du haut des hanches diffèrent de %1&#xa0;: mesurez à nouveau le haut des hanches.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>haut des hanches ÷ taille</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>poitrine − hanches</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>hanches − poitrine</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>poitrine − taille</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>hanches − taille</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <extracomment>%1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>under %1</source>
        <extracomment>%1 is a limit, e.g. 3.6 in</extracomment>
        <translation>moins de %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>%1 is a limit, e.g. 1 in</extracomment>
        <translation>au plus %1</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>au moins %1</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>plus de %1 et moins de %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>plus de %1 et au plus %2</translation>
    </message>
    <message>
        <source>from %1 to under %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to under 10 in</extracomment>
        <translation>de %1 à moins de %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to 10 in</extracomment>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>%1 is what is compared, %2 its value, %3 the limit it meets, e.g. hips − bust 3 in (over 2 in)</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 %2 (here %3)</source>
        <extracomment>%1 is what is compared, %2 the limit it must meet, %3 its value, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>%1 %2 (ici %3)</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1, ce qui suffit, même avec %2, soit %3</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>Aucune règle de silhouette ne couvre ces mesures. La règle la plus proche (%1) demande %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>Décidé par %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>Rapport taille/hanches %1&#xa0;: chez les femmes, l’OMS (2008) considère une valeur de %2 ou plus comme un risque accru pour la santé.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>Rapport taille/stature %1&#xa0;: le NICE (2022) considère une valeur de %2 ou plus comme un risque accru pour la santé, et de %3 ou plus comme un risque élevé.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Stature</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Vos deux mesures des hanches diffèrent de %1&#xa0;: mesurez à nouveau les hanches.</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1 ainsi que %2, l’un ou l’autre suffit</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>Saisissez un nombre&#xa0;: %1.</numerusform>
            <numerusform>Saisissez des nombres&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>Plus de trois décimales&#xa0;: %1. Saisissez une longueur avec trois décimales au plus.</numerusform>
            <numerusform>Plus de trois décimales&#xa0;: %1. Saisissez des longueurs avec trois décimales au plus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>Hors limites&#xa0;: %1. Mesurez entre %2 et %3&#xa0;cm.</numerusform>
            <numerusform>Hors limites&#xa0;: %1. Mesurez entre %2 et %3&#xa0;cm.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>Hors limites&#xa0;: %1. Mesurez entre %2 et %3&#xa0;in.</numerusform>
            <numerusform>Hors limites&#xa0;: %1. Mesurez entre %2 et %3&#xa0;in.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Cas limite&#xa0;: la moindre variation à la poitrine donnerait&#xa0;: %1. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Cas limite&#xa0;: la moindre variation à la taille donnerait&#xa0;: %1. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Cas limite&#xa0;: la moindre variation au haut des hanches donnerait&#xa0;: %1. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Cas limite&#xa0;: la moindre variation aux hanches donnerait&#xa0;: %1. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de plus à la poitrine, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de moins à la poitrine, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de plus à la taille, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de moins à la taille, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de plus au haut des hanches, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de moins au haut des hanches, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de plus aux hanches, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Cas limite&#xa0;: avec %1 de moins aux hanches, on obtiendrait&#xa0;: %2. Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>Stable&#xa0;: même si chaque mesure s’écarte de %1 au plus, le résultat reste&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>Pas stable&#xa0;: si chaque mesure s’écarte de %1 au plus, le résultat pourrait aussi être&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Vos réponses sont à égalité&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Vos réponses&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Vos réponses sont à égalité&#xa0;: %1. Le mètre ruban ne trouve aucune des quatre.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Vos réponses&#xa0;: %1. Le mètre ruban ne trouve aucune des quatre.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>Vos réponses sont à égalité&#xa0;: %1. Le mètre ruban indique&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Vos réponses&#xa0;: %1. Le mètre ruban le confirme.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Vos réponses&#xa0;: %1. Le mètre ruban indique autre chose.</translation>
    </message>
    <message>
        <source>bust</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>poitrine</translation>
    </message>
    <message>
        <source>waist</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not a number: waist</extracomment>
        <translation>taille</translation>
    </message>
    <message>
        <source>high hip</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and high hip</extracomment>
        <translation>haut des hanches</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>hanches</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>stature</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>inches written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>in</translation>
    </message>
    <message>
        <source>cm</source>
        <extracomment>centimetres written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>cm</translation>
    </message>
</context>
<context>
    <name>MeasureShapeWindow</name>
    <message>
        <source>Measure My Shape</source>
        <translation>Mesurer ma silhouette</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>Vos mensurations</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>&amp;Poitrine</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>Au plus fort de la poitrine, mètre ruban à l’horizontale</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>Au point le plus fin de la taille</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>Haut des h&amp;anches</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>&amp;Hanches</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>Au plus large des hanches et des fesses</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>Centimètres</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>Selon le mètre ruban</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Pourquoi ces &amp;quatre&#xa0;?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>Selon le mètre ruban&#xa0;: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>Les règles publiées classent quatre mesures prises au mètre ruban en sept types de silhouette&#xa0;: sablier, sablier haut, sablier bas, cuillère, triangle, triangle inversé et rectangle. Ce programme connaît quatre silhouettes&#xa0;: chaque type est donc affiché comme celle dont la description lui correspond.

Sablier&#xa0;: le sablier et le sablier haut, pour leur taille marquée, que la description de la silhouette En&#xa0;V exclut.
Poire&#xa0;: le sablier bas, la cuillère et le triangle, hanches plus larges que la poitrine, comme dans la description de la Poire.
En&#xa0;V&#xa0;: le triangle inversé, poitrine plus large que les hanches.
Rectangle&#xa0;: le rectangle, poitrine, taille et hanches proches.

Ces règles sont publiées mais n’ont pas été validées par des scans corporels&#xa0;: un centimètre sur une mesure peut changer le type, prenez donc le résultat comme une indication.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>&amp;Enregistrer dans l’historique</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>Une à trois mesures</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>&amp;Stature</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>Facultatif, pour le rapport taille/stature</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>Mettre mes &amp;mesures et ma silhouette sur la fiche de résultat</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>&amp;Comment mesurer</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, deuxième mesure</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, troisième mesure</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>Rien de ce que vous saisissez ici n’est enregistré sans «&#xa0;Enregistrer dans l’historique&#xa0;», ni envoyé nulle part.</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>Sur les os saillants à l’avant des hanches, juste sous la taille</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ResultCard</name>
    <message>
        <source>Body shape result</source>
        <translation>Résultat du test de silhouette</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>Résultat du test de silhouette&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>Votre silhouette est</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>Célébrités ayant cette silhouette</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>À propos de cette silhouette</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>Le décompte de vos réponses</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>Chacune des quatre réponses compte pour une silhouette.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>%1 a obtenu le plus de réponses.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>En cas d’égalité, la première silhouette dans l’ordre Rectangle, Sablier, Poire, En V l’emporte.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>Ce qu’indique le mètre ruban</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Enregistrer le résultat sous</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>Impossible d’enregistrer le résultat sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Imprimer le résultat</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Impossible d’imprimer le résultat.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Impossible de générer la fiche.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln réponse</numerusform>
            <numerusform>%Ln réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>Égalité, avec %Ln réponse par silhouette&#xa0;: %1.</numerusform>
            <numerusform>Égalité, avec %Ln réponses par silhouette&#xa0;: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass or Ruler</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass, Ruler or Cone</extracomment>
        <translation>%1, %2 ou %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 or %4</source>
        <extracomment>Names of which any one may hold, e.g. Ruler, Hourglass, Cone or none of the four</extracomment>
        <translation>%1, %2, %3 ou %4</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Two lines of a Yes/No question; keep the line break between them.</extracomment>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour&#x202f;?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Icône de ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>ZV Tamsilo vous aide à analyser votre silhouette. Chacun a une silhouette naturelle. Pour mieux comprendre votre corps, il faut connaître votre silhouette afin de travailler les zones qui en ont besoin. Obtenez la silhouette parfaite grâce à ce logiciel. Copyright © 2026 Zelvara Softwares. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Activité à domicile. Lancez votre activité sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel à vos couleurs.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>Cliquez pour visiter %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Le forum de discussion Zelvara le plus populaire. La meilleure ressource sur tout l’univers Zelvara. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>Résultats ZV Tamsilo</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>Votre silhouette&#xa0;:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>Célébrités&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile. Lancez votre activité sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel à vos couleurs. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ce logiciel aux couleurs de votre site. Fidélisez vos visiteurs et augmentez votre trafic. Placez ici le nom &amp; le lien de votre site. Voir «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Mesurer ma silhouette…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Notre &amp;site web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Vérifier les mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>Silhouette de type «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Mon &amp;historique…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>Votre silhouette</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>Célébrités ayant cette silhouette</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>À propos de cette silhouette</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>Question %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>Votre silhouette&#xa0;: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Icône de ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Cliquez ici et visitez %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Parrainer un ami</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Parrainer un ami</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>Télécharger Zelvara Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si vous avez aimé ce logiciel, nos autres logiciels Zelvara Softwares vous intéresseront sûrement. Parti d’un seul logiciel, nous sommes devenus la plus grande source de logiciels zelvara au monde. Astrologie, voyance, tarot, numérologie ou ésotérisme&#xa0;: nous avons des programmes dans tous les domaines, pour offrir à nos utilisateurs un large choix selon leurs goûts.                                                             Tous les programmes de la suite Zelvara Softwares sont simples et faciles à utiliser. Ils sont amusants et aussi très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>Visitez Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir des adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les logiciels Zelvara Softwares comme celui-ci n’existent et ne vivent que grâce à votre soutien. La meilleure façon de soutenir Zelvara est de visiter Zelvara régulièrement et de participer aux discussions et activités du forum.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>Visitez Zelvara régulièrement. Soutenez Zelvara en participant aux discussions et autres activités. Sans vos visites régulières sur Zelvara, ces logiciels ne peuvent être ni soutenus ni maintenus</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>Zelvara est un forum de discussion GRATUIT sur tout l’univers zelvara. Pour aider Zelvara à développer et maintenir ce logiciel, visitez Zelvara régulièrement.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>Zelvara a besoin de vous. Il suffit de visiter Zelvara régulièrement et de participer aux discussions et activités pour nous aider à maintenir et développer d’autres logiciels Zelvara Softwares.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Le forum de discussion Zelvara le plus populaire. La meilleure ressource sur tout l’univers Zelvara. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>Chacun a une silhouette naturelle. Pour mieux comprendre votre corps, il faut connaître votre silhouette afin de travailler les zones qui en ont besoin. Pour obtenir la silhouette parfaite, faites le test ci-dessous et découvrez votre silhouette.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation>&amp;Tester ma silhouette</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ce logiciel aux couleurs de votre site. Fidélisez vos visiteurs et augmentez votre trafic. Placez ici le nom &amp; le lien de votre site. Voir «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile. Lancez votre activité sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel à vos couleurs. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Notre &amp;site web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Vérifier les mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>Veuillez saisir uniquement des lettres du français (accents, Ç, Æ et Œ compris)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Mesurer ma silhouette…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Mon &amp;historique…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>Quelle partie de votre corps aimeriez-vous changer&#x202f;?</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>Haut du corps</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>Bas du corps</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>Haut et bas du corps</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Ventre</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>Où avez-vous le plus de mal à perdre du poids&#x202f;?</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>Je maigris facilement</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>Où votre corps est-il le plus mince&#x202f;?</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>Milieu du corps</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>Tout le corps</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>Où prenez-vous du poids&#x202f;?</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>Ventre et fesses</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>Le haut et le bas du corps</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>Hanches, cuisses et fesses</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>Dos, poitrine, bras et ventre</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>Dans cette silhouette, le tour de taille fait de 75 à 100&#xa0;% du tour de hanches ou de poitrine. C’est une silhouette de type masculin. Les graisses se logent sur le visage, l’abdomen et les fesses. Vous avez peu tendance à prendre du poids. Votre corps a une forme rectangulaire. Inutile de vous entraîner plus de trois jours par semaine. Les sports d’endurance de longue durée vous réussissent. Vous perdez facilement du poids. Vous ne grossissez pas facilement et votre métabolisme est rapide. Vos épaules sont étroites. Misez sur les protéines, les fruits et les légumes frais. La course à pied est indispensable. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>Sablier</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>Dans cette silhouette, le tour de taille fait moins de 75&#xa0;% du tour de hanches ou de poitrine. Les graisses se répartissent sur le haut et le bas du corps. Votre poitrine, vos hanches, vos mains et votre fessier sont larges. Vous avez une silhouette harmonieuse. Privilégiez les exercices qui ciblent les cuisses, l’abdomen et les bras.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>Poire</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>Dans cette silhouette, le tour de taille fait environ 70 à 75&#xa0;% du tour de poitrine, et le tour de hanches environ 110&#xa0;% du tour de poitrine. Les graisses se logent sur les hanches, les cuisses et les fesses. Le haut de votre abdomen et votre taille sont larges. Votre ventre est généralement plat. Le haut de votre corps est plus fin que le bas. Il vous faut chaque jour un exercice cardio, associé à la musculation. Vous ne perdez pas facilement du poids. Vous risquez l’ostéoporose, les varices ou des troubles alimentaires.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>En V</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>Dans cette silhouette, le tour de taille fait de 75 à 100&#xa0;% du tour de poitrine, et le tour de poitrine environ 110&#xa0;% du tour de hanches. C’est une silhouette de type masculin. Les graisses se logent sur le visage, l’abdomen et la poitrine. Vos épaules sont larges et vos hanches étroites. Vous portez beaucoup de poids sur le haut du dos et la poitrine. Votre ventre peut être proéminent. Attention aux blessures du bas du corps. Vos bras, vos jambes et votre ventre sont fins et musclés. Vous avez un risque accru de maladies cardiaques et de diabète. Il vous faut chaque jour un exercice cardio.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
</TS>
