<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>untere Sanduhr</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>obere Sanduhr</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>Löffel</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>umgekehrtes Dreieck</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>Rechteck</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>keine Figur</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>Noch ist nichts gespeichert.</translation>
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
            <numerusform>%Ln Eintrag vom %1 bis %2. Zuletzt: %3; gemessene Figur: %4.</numerusform>
            <numerusform>%Ln Einträge vom %1 bis %2. Zuletzt: %3; gemessene Figur: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>Zeile %1 enthält nicht acht durch Kommas getrennte Felder.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>Zeile %1: „%2“ ist kein Datum in der Form 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>Zeile %1: „%2“ ist keine Länge in Zentimetern in der Form 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>Zeile %1 öffnet Anführungszeichen, die nie geschlossen werden.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>Das ist kein von ZV Tamsilo exportierter Verlauf: Seine erste Zeile ist nicht %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>Zeile %1: „%2“ ist keine der Figuren, die eine CSV-Datei nennen kann: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>Eintrag %1 enthält etwas, das kein Maß ist</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Die Datei %1 ist kein Verlauf von ZV Tamsilo und bleibt daher, wie sie ist. Um einen neuen Verlauf anzulegen, verschiebe diese Datei an einen anderen Ort.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Der Verlauf %1 stammt von einer neueren Version von ZV Tamsilo; diese Version lässt ihn, wie er ist.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>Der Verlauf %1 kann nicht gelesen werden (%2). Nichts darin wurde verändert.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>Der Verlauf %1 ist beschädigt und kann nicht gelesen werden (%2). Er bleibt, wie er ist; um einen neuen Verlauf anzulegen, verschiebe diese Datei an einen anderen Ort.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>In den Verlauf %1 kann nicht geschrieben werden (%2). Alles bisher Gespeicherte ist noch da.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>das Modul %1 kann nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>Mein Verlauf</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>Zenti&amp;meter</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;Zoll</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>Gespeicherte Einträge</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>Diagramm der vier Maße im Zeitverlauf</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>&amp;Alle löschen…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Hier steht nur, was du unter „Meine Figur messen“ mit „Im Verlauf speichern“ abgelegt hast: das Datum, die vier Maße und die Körpergröße so, wie du sie eingegeben hast, ihre Einheit und die Figuren, die Maßband und Antworten ergeben haben. Alles bleibt auf diesem Computer, in %1. „Alle löschen“ entfernt diese Datei.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Körpergröße</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>Maßband</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Den Eintrag vom %1 aus deinem Verlauf löschen? Er lässt sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>JSON-Datei (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>In den Verlauf importieren</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>Die Datei ist größer, als ein Verlauf je sein kann.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>Aus %1 wurde nichts importiert.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>%Ln Eintrag</numerusform>
            <numerusform>%Ln Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>Den einzigen Eintrag deines Verlaufs löschen? Die Datei %1 wird entfernt und lässt sich nicht zurückholen.</numerusform>
            <numerusform>Alle %Ln Einträge deines Verlaufs löschen? Die Datei %1 wird entfernt und lässt sich nicht zurückholen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>%Ln Eintrag nach %1 exportiert.</numerusform>
            <numerusform>%Ln Einträge nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>%Ln Eintrag zum Verlauf hinzugefügt.</numerusform>
            <numerusform>%Ln Einträge zum Verlauf hinzugefügt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>Gib alle vier Maße ein, jedes mit einem Wert, den ein Maßband messen kann, bevor du sie speicherst.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>Die Körpergröße ist keine Zahl: Korrigiere sie oder lass sie leer, bevor du die Maße speicherst.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Im Verlauf unter dem %1 gespeichert. Du findest ihn über Datei &gt; Mein Verlauf… im Startfenster oder auf der Ergebnisseite.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>So wird gemessen</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>Nimm ein weiches Maßband und miss vor einem Spiegel, über leichter Kleidung oder auf der Haut. Zwei Messungen derselben Stelle weichen oft um bis zu 2&#xa0;cm (0,8&#xa0;Zoll) voneinander ab, und die selbst gemessene Taille fällt meist etwa 1&#xa0;cm (0,4&#xa0;Zoll) zu klein aus. Miss deshalb jede Stelle zweimal.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>Ertaste deine Brustwarzen und lege das Maßband auf dieser Höhe um die stärkste Stelle der Brust, unter den Armen hindurch und waagerecht über den Rücken. Es soll eng anliegen, ohne einzuschneiden; lies beim Ausatmen ab.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>Such die schmalste Stelle zwischen der untersten Rippe und dem oberen Rand des Beckenknochens, meist knapp über dem Bauchnabel, und lege das Maßband dort waagerecht rundherum. Lies beim Ausatmen ab, ohne das Band straff zu ziehen oder den Bauch einzuziehen.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>Ertaste vorn an der Hüfte die vorstehenden Beckenknochen und lege das Maßband darüber waagerecht rundherum, knapp unter der Taille. Es soll eng anliegen, ohne einzuschneiden; lies beim Ausatmen ab.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>Ertaste seitlich an jeder Hüfte den Knochenvorsprung oben am Oberschenkel und lege das Maßband auf dieser Höhe um die breiteste Stelle von Hüfte und Po, waagerecht rundherum. Stell die Füße zusammen, lass das Band eng anliegen, ohne einzuschneiden, und lies beim Ausatmen ab.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>Figur mit dem Maßband um die stärkste Stelle der Brust</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>Figur mit dem Maßband um die schmalste Stelle der Taille</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>Figur mit dem Maßband über den Beckenknochen, knapp unter der Taille</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>Figur mit dem Maßband um die breiteste Stelle der Hüfte</translation>
    </message>
</context>
<context>
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <extracomment>%1 is a length in inches, e.g. 35.5</extracomment>
        <translation>%1&#xa0;Zoll</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <extracomment>%1 is a length in centimetres, e.g. 90.5</extracomment>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>keine der vier</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is one of the program&apos;s four shapes, %2 the figure type the rules found, e.g. Spoon (triangle)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <extracomment>%1 is the bust&apos;s length, e.g. 90.5 cm</extracomment>
        <translation>Brust: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <extracomment>%1 is the waist&apos;s length, e.g. 70 cm</extracomment>
        <translation>Taille: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <extracomment>%1 is the high hip&apos;s length, e.g. 80 cm</extracomment>
        <translation>Obere Hüfte: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>Hüfte: %1</translation>
    </message>
    <message>
        <source>Bust</source>
        <translation>Brust</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>High hip</source>
        <translation>Obere Hüfte</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Hüfte</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>Gib alle vier Maße ein, dann siehst du die passende Figur.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Gemessene Figur: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Deine beiden Messungen der Brust weichen um %1 voneinander ab: Miss die Brust noch einmal.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Deine beiden Messungen der Taille weichen um %1 voneinander ab: Miss die Taille noch einmal.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Deine beiden Messungen der oberen Hüfte weichen um %1 voneinander ab: Miss die obere Hüfte noch einmal.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>obere Hüfte ÷ Taille</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>Brust − Hüfte</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>Hüfte − Brust</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>Brust − Taille</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>Hüfte − Taille</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <extracomment>%1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>under %1</source>
        <extracomment>%1 is a limit, e.g. 3.6 in</extracomment>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>%1 is a limit, e.g. 1 in</extracomment>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>über %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>über %1 und unter %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>über %1 und höchstens %2</translation>
    </message>
    <message>
        <source>from %1 to under %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to under 10 in</extracomment>
        <translation>von %1 bis unter %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to 10 in</extracomment>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>%1 is what is compared, %2 its value, %3 the limit it meets, e.g. hips − bust 3 in (over 2 in)</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 %2 (here %3)</source>
        <extracomment>%1 is what is compared, %2 the limit it must meet, %3 its value, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>%1 %2 (hier %3)</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1, was genügt, auch bei %2, also %3</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>Keine Figurregel passt zu diesen Maßen. Die nächstliegende Regel (%1) verlangt %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>Entschieden durch %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>Taille-Hüft-Verhältnis %1: Die WHO (2008) wertet bei Frauen einen Wert ab %2 als erhöhtes Gesundheitsrisiko.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>Taille-Größe-Verhältnis %1: NICE (2022) wertet einen Wert ab %2 als erhöhtes und ab %3 als hohes Gesundheitsrisiko.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Körpergröße</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Deine beiden Messungen der Hüfte weichen um %1 voneinander ab: Miss die Hüfte noch einmal.</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1 sowie %2, wobei schon eines davon genügt</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>Keine Zahl: %1.</numerusform>
            <numerusform>Keine Zahlen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>Mehr als drei Nachkommastellen: %1. Gib höchstens drei ein.</numerusform>
            <numerusform>Mehr als drei Nachkommastellen: %1. Gib höchstens drei ein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>Außerhalb des Bereichs: %1. Miss zwischen %2 und %3&#xa0;cm.</numerusform>
            <numerusform>Außerhalb des Bereichs: %1. Miss zwischen %2 und %3&#xa0;cm.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>Außerhalb des Bereichs: %1. Miss zwischen %2 und %3&#xa0;Zoll.</numerusform>
            <numerusform>Außerhalb des Bereichs: %1. Miss zwischen %2 und %3&#xa0;Zoll.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Grenzfall: Die kleinste Änderung an der Brust ergäbe: %1. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Grenzfall: Die kleinste Änderung an der Taille ergäbe: %1. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Grenzfall: Die kleinste Änderung an der oberen Hüfte ergäbe: %1. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Grenzfall: Die kleinste Änderung an der Hüfte ergäbe: %1. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 mehr an der Brust ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 weniger an der Brust ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 mehr an der Taille ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 weniger an der Taille ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 mehr an der oberen Hüfte ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 weniger an der oberen Hüfte ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 mehr an der Hüfte ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Grenzfall: Mit %1 weniger an der Hüfte ergäbe sich: %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>Stabil: Selbst wenn jedes Maß um bis zu %1 abweicht, ergibt sich weiterhin: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>Nicht stabil: Weicht jedes Maß um bis zu %1 ab, könnte sich auch ergeben: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Gleichstand in deinen Antworten: %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Deine Antworten: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Gleichstand in deinen Antworten: %1. Das Maßband findet keine der vier.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Deine Antworten: %1. Das Maßband findet keine der vier.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>Gleichstand in deinen Antworten: %1. Das Maßband sagt: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Deine Antworten: %1. Das Maßband bestätigt das.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Deine Antworten: %1. Das Maßband sagt etwas anderes.</translation>
    </message>
    <message>
        <source>bust</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>Brust</translation>
    </message>
    <message>
        <source>waist</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not a number: waist</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>high hip</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and high hip</extracomment>
        <translation>obere Hüfte</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>Hüfte</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>Körpergröße</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>inches written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>Zoll</translation>
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
        <translation>Meine Figur messen</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>Deine Maße</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>&amp;Brust</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>Um die stärkste Stelle der Brust, Maßband waagerecht</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>Um die schmalste Stelle der Taille</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>&amp;Obere Hüfte</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>&amp;Hüfte</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>Um die breiteste Stelle von Hüfte und Po</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>Laut Maßband</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Warum diese &amp;vier?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>Laut Maßband: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>Die veröffentlichten Figurregeln ordnen vier Maßbandmaße sieben Figurtypen zu: Sanduhr, obere Sanduhr, untere Sanduhr, Löffel, Dreieck, umgekehrtes Dreieck und Rechteck. Dieses Programm kennt vier Figuren, daher wird jeder Typ als die Figur gezeigt, zu deren Beschreibung er passt.

Sanduhr: die Sanduhr und die obere Sanduhr, wegen ihrer definierten Taille, die die Beschreibung des Umgekehrten Dreiecks ausschließt.
Birne: die untere Sanduhr, der Löffel und das Dreieck – die Hüfte voller als die Brust, wie in der Beschreibung der Birne.
Umgekehrtes Dreieck: das umgekehrte Dreieck – die Brust breiter als die Hüfte.
Rechteck: das Rechteck – Brust, Taille und Hüfte nah beieinander.

Die Regeln sind veröffentlicht, aber nicht anhand von Körperscans überprüft: Ein Zentimeter bei einem Maß kann den Typ ändern – nimm das Ergebnis also als Orientierung.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>&amp;Im Verlauf speichern</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>Ein bis drei Messungen</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>Optional: deine Körpergröße, für das Taille-Größe-Verhältnis</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>Meine Maße und Figur auf die &amp;Ergebniskarte übernehmen</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>So &amp;misst du richtig</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, zweite Messung</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, dritte Messung</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>Deine Eingaben werden nur mit „Im Verlauf speichern“ gesichert und nirgendwohin gesendet.</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>Über die vorstehenden Hüftknochen vorn, knapp unter der Taille</translation>
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
        <translation>Ergebnis des Figurtests</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>Ergebnis des Figurtests für %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>Dein Figurtyp ist</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>Bekannte Gesichter mit dieser Figur</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>Über diese Figur</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>So zählten deine Antworten</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>Jede der vier Antworten zählte für eine Figur.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>%1 erhielt die meisten Antworten.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>Bei Gleichstand gewinnt die erste Figur in der Reihenfolge Rechteck, Sanduhr, Birne, Umgekehrtes Dreieck.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>Was das Maßband sagt</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Ergebnis speichern unter</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>Das Ergebnis konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Ergebnis drucken</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Das Ergebnis konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Die Karte konnte nicht erstellt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln Antwort</numerusform>
            <numerusform>%Ln Antworten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>Gleichstand mit je %Ln Antwort: %1.</numerusform>
            <numerusform>Gleichstand mit je %Ln Antworten: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass or Ruler</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass, Ruler or Cone</extracomment>
        <translation>%1, %2 oder %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 or %4</source>
        <extracomment>Names of which any one may hold, e.g. Ruler, Hourglass, Cone or none of the four</extracomment>
        <translation>%1, %2, %3 oder %4</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Two lines of a Yes/No question; keep the line break between them.</extracomment>
        <translation>Möglicherweise gibt es ein Update für dieses Programm.<byte value="xd"/>Möchtest du jetzt nach Updates suchen?</translation>
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
        <translation>Symbol von ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>ZV Tamsilo hilft dir, deinen Figurtyp zu bestimmen. Jeder Mensch hat eine natürliche Figur. Wer seinen Figurtyp kennt, versteht seinen Körper besser und kann gezielt an den richtigen Stellen arbeiten. So kommst du deiner Traumfigur näher. Copyright © 2026 Zelvara Softwares. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicke hier für mehr Infos.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internet-Business und verdiene online Geld. Hol dir diese Software mit deiner eigenen Marke für deine Website.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>Hier geht’s zu %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Das beliebteste Zelvara-Diskussionsforum im Netz. Die beste Quelle für alles rund um Zelvara. Besuche jetzt %1</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>ZV Tamsilo: Ergebnis</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>Dein Figurtyp:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>Prominente:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internet-Business und verdiene online Geld. Hol dir diese Software mit deiner Marke für deine Website. Klicke hier für mehr Infos.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versieh diese Software mit deinem Co-Branding. Mehr Treue und mehr Besucher für deine Website. Name &amp; Link deiner Website hier. Details unter „Hilfe“. Klicke hier für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>Meine &amp;Figur messen…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>Speichern u&amp;nter…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>D&amp;rucken…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Zur W&amp;ebsite</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Programminfo</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>Silhouette des Figurtyps %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Mein &amp;Verlauf…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>Dein Figurtyp</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>Bekannte Gesichter mit dieser Figur</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>Über diese Figur</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>Frage %1 von %2: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>Dein Figurtyp: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Symbol von ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name deines Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-Mail-Adresse deines Freundes</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>Zelvara Softwares downloaden</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Wenn dir dieses Programm gefallen hat, interessieren dich bestimmt auch unsere anderen Zelvara Softwares. Aus einem einzigen Programm ist die weltweit größte Sammlung von Zelvara-Software geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes – wir haben Programme für jeden Bereich und damit für jedes Interesse.                                                             Alle Programme von Zelvara Softwares sind einfach zu bedienen. Sie machen Spaß und sind dabei sehr informativ. Probier sie noch heute aus und erzähl Freunden und Familie davon. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>Klicke hier für Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name deines Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail deines Freundes</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>Zelvara Softwares wie diese gibt es nur mit deiner Unterstützung. Am besten unterstützt du Zelvara, indem du Zelvara regelmäßig besuchst und bei den Diskussionen und anderen Aktivitäten im Forum mitmachst.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>Besuche Zelvara regelmäßig. Unterstütze Zelvara, indem du bei den Diskussionen und anderen Aktivitäten mitmachst. Ohne deine regelmäßigen Besuche bei Zelvara können diese Programme nicht gepflegt werden</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>Zelvara ist ein KOSTENLOSES Online-Diskussionsforum rund um Zelvara. Besuche Zelvara regelmäßig und hilf so mit, diese Software zu pflegen und weiterzuentwickeln.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>Zelvara braucht deine Hilfe. Besuche Zelvara einfach regelmäßig und mach bei den Diskussionen und Aktivitäten mit – so hilfst du uns, weitere Zelvara Softwares zu pflegen und zu entwickeln.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Das beliebteste Zelvara-Diskussionsforum im Netz. Die beste Quelle für alles rund um Zelvara. Besuche jetzt %1</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>Jeder Mensch hat eine natürliche Figur. Wer seinen Figurtyp kennt, versteht seinen Körper besser und kann gezielt an den richtigen Stellen arbeiten. Für deine Traumfigur: Mach jetzt den Test unten und finde deinen Figurtyp heraus.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation>Figur&amp;test starten</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versieh diese Software mit deinem Co-Branding. Mehr Treue und mehr Besucher für deine Website. Name &amp; Link deiner Website hier. Details unter „Hilfe“. Klicke hier für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internet-Business und verdiene online Geld. Hol dir diese Software mit deiner Marke für deine Website. Klicke hier für mehr Infos.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Zur W&amp;ebsite</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Programminfo</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>Bitte gib nur Buchstaben ein: A–Z, Ä, Ö, Ü oder ß</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>Meine &amp;Figur messen…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Mein &amp;Verlauf…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>Welche Körperpartie möchtest du verändern?</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>Oberkörper</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>Unterkörper</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>Ober- und Unterkörper</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Bauch</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>An welcher Körperpartie nimmst du am schwersten ab?</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>Ich nehme leicht ab</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>An welcher Körperpartie bist du am schlanksten?</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>Körpermitte</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>Ganzer Körper</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>An welcher Körperpartie nimmst du zu?</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>Bauch und Po</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>Ober- und Unterkörper</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>Hüfte, Oberschenkel und Po</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>Rücken, Brust, Arme und Bauch</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>Bei diesem Figurtyp beträgt der Taillenumfang 75 bis 100 Prozent des Hüft- oder Brustumfangs. Die Figur wirkt eher maskulin. Fett lagert sich an Gesicht, Bauch und Po an. Du neigst kaum dazu, Gewicht zuzulegen. Dein Körper ist rechteckig geformt. Mehr als drei Trainingstage pro Woche brauchst du nicht. Ausdauersport über lange Strecken liegt dir. Du nimmst leicht ab, aber nur schwer zu, denn dein Stoffwechsel ist schnell. Deine Schultern sind schmal. Iss viel Eiweiß, frisches Obst und Gemüse. Laufen ist ein Muss. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>Bei diesem Figurtyp beträgt der Taillenumfang weniger als 75 Prozent des Hüft- oder Brustumfangs. Fett verteilt sich auf Ober- und Unterkörper. Brust, Hüften, Hände und Po sind breit. Du hast eine wohlgeformte Figur. Konzentriere dich auf Übungen für Oberschenkel, Bauch und Arme.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>Birne</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>Bei diesem Figurtyp beträgt der Taillenumfang etwa 70 bis 75 Prozent des Brustumfangs und der Hüftumfang etwa 110 Prozent des Brustumfangs. Körperfett lagert sich an Hüften, Oberschenkeln und Po an. Oberbauch und Taille sind breit. Meist ist dein Bauch flach. Oben bist du schmaler, unten kräftiger. Du brauchst täglich Ausdauertraining und dazu Krafttraining. Du nimmst nicht so leicht ab. Du neigst eventuell zu Osteoporose, Krampfadern oder Essstörungen.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>Umgekehrtes Dreieck</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>Bei diesem Figurtyp beträgt der Taillenumfang 75 bis 100 Prozent des Brustumfangs und der Brustumfang etwa 110 Prozent des Hüftumfangs. Die Figur wirkt eher maskulin. Fett verteilt sich auf Gesicht, Bauch und Brust. Du hast breite Schultern und schmale Hüften. Du trägst viel Gewicht am oberen Rücken und an der Brust. Eventuell hast du einen vorstehenden Bauch. Pass auf Verletzungen am Unterkörper auf. Arme, Beine und Bauch sind schlank und muskulös. Du neigst zu Herzkrankheiten und Diabetes. Du brauchst täglich Ausdauertraining.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
</TS>
