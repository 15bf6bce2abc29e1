<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>clessidra</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>clessidra inferiore</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>clessidra superiore</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>cucchiaio</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangolo</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>triangolo invertito</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>rettangolo</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>nessuna figura</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>Non c’è ancora nulla di salvato.</translation>
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
            <numerusform>%Ln voce dal %1 al %2. L’ultima: %3; figura misurata: %4.</numerusform>
            <numerusform>%Ln voci dal %1 al %2. L’ultima: %3; figura misurata: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>La riga %1 non contiene otto campi separati da virgole.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>Riga %1: «%2» non è una data scritta come 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>Riga %1: «%2» non è una lunghezza in centimetri scritta come 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>La riga %1 apre virgolette che non vengono mai chiuse.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>Questo non è uno storico esportato da ZV Tamsilo: la sua prima riga non è %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>Riga %1: «%2» non è nessuna delle figure che un file CSV può indicare: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>la voce %1 contiene qualcosa che non è una misura</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Il file %1 non è uno storico di ZV Tamsilo, quindi viene lasciato com’è. Per iniziare un nuovo storico, sposta quel file altrove.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Lo storico %1 è stato scritto da una versione più recente di ZV Tamsilo, quindi questa versione lo lascia com’è.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>Impossibile leggere lo storico %1 (%2). Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>Lo storico %1 è danneggiato e non può essere letto (%2). Viene lasciato com’è; per iniziare un nuovo storico, sposta quel file altrove.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>Impossibile scrivere nello storico %1 (%2). Tutto ciò che era stato salvato prima è ancora lì.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>non è possibile creare la sua cartella</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>non è possibile caricare il modulo %1</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>Il mio storico</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unità:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>&amp;Centimetri</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;Pollici</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>Voci salvate</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>Grafico delle quattro misure nel tempo</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>E&amp;limina…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>Elimina &amp;tutto…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Qui c’è ciò che hai salvato con «Salva nello storico» in Le mie misure, e nient’altro: la data, le quattro misure e l’altezza come le hai scritte, la loro unità e le figure indicate dal metro e dalle tue risposte. Tutto resta su questo computer, in %1. «Elimina tutto» cancella quel file.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Eliminare la voce del %1 dal tuo storico? Non potrà essere recuperata.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>Esporta il mio storico</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>Non è stato possibile esportare lo storico in %1: %2</translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>Importa nel mio storico</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>È troppo grande per essere uno storico.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>Da %1 non è stato importato nulla.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>%Ln voce</numerusform>
            <numerusform>%Ln voci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>Eliminare l’unica voce del tuo storico? Il file %1 verrà cancellato e non potrà essere recuperato.</numerusform>
            <numerusform>Eliminare tutte le %Ln voci del tuo storico? Il file %1 verrà cancellato e non potrà essere recuperato.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>%Ln voce esportata in %1.</numerusform>
            <numerusform>%Ln voci esportate in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>%Ln voce aggiunta al tuo storico.</numerusform>
            <numerusform>%Ln voci aggiunte al tuo storico.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>Scrivi tutte e quattro le misure, ognuna entro quanto può misurare un metro, prima di salvarle.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>L’altezza non è un numero: correggila o lasciala vuota prima di salvare le misure.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Salvato nel tuo storico con data %1. Lo trovi in File &gt; Il mio storico…, nella finestra di benvenuto o nella pagina dei risultati.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>Come prendere le misure</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>Usa un metro da sarta morbido, sopra abiti leggeri o sulla pelle, davanti a uno specchio. Due misurazioni dello stesso punto differiscono spesso fino a 2&#xa0;cm (0,8&#xa0;in), e la vita misurata da soli tende a risultare di circa 1&#xa0;cm (0,4&#xa0;in) in meno: misura quindi ogni punto due volte.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>Individua al tatto i capezzoli e passa il metro a quell’altezza attorno al punto più pronunciato del petto, sotto le braccia e ben orizzontale sulla schiena. Deve aderire senza stringere; leggi la misura mentre espiri.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>Trova il punto più stretto tra l’ultima costola e il bordo superiore dell’osso dell’anca, di solito appena sopra l’ombelico, e giraci attorno col metro, ben orizzontale. Leggi la misura mentre espiri, senza tendere il metro né tirare in dentro la pancia.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>Individua al tatto le ossa sporgenti sul davanti dei fianchi e passa il metro sopra di esse, ben orizzontale tutt’intorno, appena sotto la vita. Deve aderire senza stringere; leggi la misura mentre espiri.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>Individua al tatto l’osso sporgente sul lato di ogni fianco, in cima alla coscia, e passa il metro a quell’altezza attorno al punto più largo di fianchi e glutei, ben orizzontale. Tieni i piedi uniti, fallo aderire senza stringere e leggi la misura mentre espiri.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>Figura col metro attorno al punto più pronunciato del seno</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>Figura col metro attorno al punto più stretto della vita</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>Figura col metro sulle ossa dei fianchi, appena sotto la vita</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>Figura col metro attorno al punto più largo dei fianchi</translation>
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
        <translation>nessuna delle quattro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is one of the program&apos;s four shapes, %2 the figure type the rules found, e.g. Spoon (triangle)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <extracomment>%1 is the bust&apos;s length, e.g. 90.5 cm</extracomment>
        <translation>Seno: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <extracomment>%1 is the waist&apos;s length, e.g. 70 cm</extracomment>
        <translation>Vita: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <extracomment>%1 is the high hip&apos;s length, e.g. 80 cm</extracomment>
        <translation>Fianchi alti: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>Fianchi: %1</translation>
    </message>
    <message>
        <source>Bust</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Vita</translation>
    </message>
    <message>
        <source>High hip</source>
        <translation>Fianchi alti</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Fianchi</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>Inserisci tutte e quattro le misure per vedere la figura che ne risulta.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Figura misurata: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Le tue due misurazioni del seno differiscono di %1: misura di nuovo il seno.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Le tue due misurazioni della vita differiscono di %1: misura di nuovo la vita.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Le tue due misurazioni dei fianchi alti differiscono di %1: misura di nuovo i fianchi alti.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>fianchi alti ÷ vita</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>seno − fianchi</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>fianchi − seno</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>seno − vita</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>fianchi − vita</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <extracomment>%1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>under %1</source>
        <extracomment>%1 is a limit, e.g. 3.6 in</extracomment>
        <translation>meno di %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>%1 is a limit, e.g. 1 in</extracomment>
        <translation>al massimo %1</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>più di %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>almeno %1</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>più di %1 e meno di %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>più di %1 e al massimo %2</translation>
    </message>
    <message>
        <source>from %1 to under %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to under 10 in</extracomment>
        <translation>da %1 a meno di %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to 10 in</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>%1 is what is compared, %2 its value, %3 the limit it meets, e.g. hips − bust 3 in (over 2 in)</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 %2 (here %3)</source>
        <extracomment>%1 is what is compared, %2 the limit it must meet, %3 its value, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>%1 %2 (nel tuo caso %3)</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1, che basta anche se %2 è %3</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>Nessuna regola copre queste misure. La regola più vicina (%1) richiede %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>A decidere: %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>Rapporto vita-fianchi %1: per le donne, l’OMS (2008) considera %2 o più un rischio aumentato per la salute.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>Rapporto vita-altezza %1: il NICE (2022) considera %2 o più un rischio aumentato e %3 o più un rischio alto per la salute.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Le tue due misurazioni dei fianchi differiscono di %1: misura di nuovo i fianchi.</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1 così come %2, basta l’una o l’altra</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>Inserisci un numero: %1.</numerusform>
            <numerusform>Inserisci dei numeri: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>Più di tre decimali: %1. Scrivine al massimo tre.</numerusform>
            <numerusform>Più di tre decimali: %1. Scrivine al massimo tre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>Fuori intervallo: %1. Dev’essere tra %2 e %3&#xa0;cm.</numerusform>
            <numerusform>Fuori intervallo: %1. Devono essere tra %2 e %3&#xa0;cm.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>Fuori intervallo: %1. Dev’essere tra %2 e %3&#xa0;in.</numerusform>
            <numerusform>Fuori intervallo: %1. Devono essere tra %2 e %3&#xa0;in.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al limite: la minima variazione al seno darebbe: %1. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al limite: la minima variazione alla vita darebbe: %1. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al limite: la minima variazione ai fianchi alti darebbe: %1. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al limite: la minima variazione ai fianchi darebbe: %1. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in più al seno, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in meno al seno, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in più alla vita, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in meno alla vita, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in più ai fianchi alti, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in meno ai fianchi alti, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in più ai fianchi, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al limite: con %1 in meno ai fianchi, il risultato sarebbe: %2. Ripeti la misura.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>Stabile: anche se ogni misura si scosta fino a %1, il risultato resta: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>Non stabile: se ogni misura si scosta fino a %1, il risultato potrebbe essere anche: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Le tue risposte sono in parità: %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Le tue risposte: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Le tue risposte sono in parità: %1. Il metro non trova nessuna delle quattro.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Le tue risposte: %1. Il metro non trova nessuna delle quattro.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>Le tue risposte sono in parità: %1. Il metro indica: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Le tue risposte: %1. Il metro conferma.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Le tue risposte: %1. Il metro indica un’altra figura.</translation>
    </message>
    <message>
        <source>bust</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>seno</translation>
    </message>
    <message>
        <source>waist</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not a number: waist</extracomment>
        <translation>vita</translation>
    </message>
    <message>
        <source>high hip</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and high hip</extracomment>
        <translation>fianchi alti</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>fianchi</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>altezza</translation>
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
        <translation>Le mie misure</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>Le tue misure</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>&amp;Seno</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>Nel punto più pronunciato del seno, col metro ben orizzontale</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>&amp;Vita</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>Nel punto più stretto della vita</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>Fianchi &amp;alti</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>&amp;Fianchi</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>Nel punto più largo di fianchi e glutei</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unità:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>Centimetri</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>Secondo il metro</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Perché &amp;quattro?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>Secondo il metro: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>Le regole pubblicate classificano quattro misure prese col metro in sette tipi di figura: clessidra, clessidra superiore, clessidra inferiore, cucchiaio, triangolo, triangolo invertito e rettangolo. Questo programma conosce quattro figure, quindi ogni tipo è mostrato come la figura alla cui descrizione corrisponde.

Clessidra: la clessidra e la clessidra superiore, per la vita segnata, che la descrizione della Forma a V esclude.
Pera: la clessidra inferiore, il cucchiaio e il triangolo, con i fianchi più ampi del seno, come nella descrizione della Pera.
Forma a V: il triangolo invertito, con il seno più ampio dei fianchi.
Rettangolo: il rettangolo, con seno, vita e fianchi simili.

Le regole sono pubblicate, ma non sono state convalidate su scansioni corporee: un centimetro in una misura può cambiare il tipo, quindi prendi il risultato come un’indicazione.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>Salva nello s&amp;torico</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>Da una a tre misurazioni</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>A&amp;ltezza</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>Facoltativa, per il rapporto vita-altezza</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>Metti &amp;misure e figura sulla scheda</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>Come misura&amp;re</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, seconda misurazione</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, terza misurazione</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>Quello che scrivi qui viene salvato solo se premi «Salva nello storico» e non viene mai inviato.</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>Sulle ossa sporgenti davanti ai fianchi, appena sotto la vita</translation>
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
        <translation>Risultato del test della figura</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>Risultato del test della figura: %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>La tua figura è</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>Personaggi famosi con questa figura</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>Su questa figura</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>Il conteggio delle tue risposte</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>Ognuna delle quattro risposte ha dato un punto a una figura.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>%1 ha ottenuto il maggior numero di risposte.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>In caso di parità vince la prima figura nell’ordine Rettangolo, Clessidra, Pera, Forma a V.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>Cosa dice il metro</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Salva risultato con nome</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>Impossibile salvare il risultato come «%1».

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Stampa risultato</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Impossibile stampare il risultato.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Impossibile disegnare la scheda.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln risposta</numerusform>
            <numerusform>%Ln risposte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>Parità, con %Ln risposta per figura: %1.</numerusform>
            <numerusform>Parità, con %Ln risposte per figura: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass or Ruler</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass, Ruler or Cone</extracomment>
        <translation>%1, %2 o %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 or %4</source>
        <extracomment>Names of which any one may hold, e.g. Ruler, Hourglass, Cone or none of the four</extracomment>
        <translation>%1, %2, %3 o %4</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Two lines of a Yes/No question; keep the line break between them.</extracomment>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software<byte value="xd"/>Vuoi verificare se c’è un aggiornamento?</translation>
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
        <translation>Icona di ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>ZV Tamsilo ti aiuta ad analizzare la tua figura. Ognuno ha una figura naturale. Per capire meglio il tuo corpo devi conoscere la tua figura, così da lavorare sulle zone giuste. Raggiungi la figura perfetta con l’aiuto di questo software. Copyright © 2026 Zelvara Softwares. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clicca qui per saperne di più.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software col marchio del tuo sito.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>Clicca per visitare %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Il forum di discussione Zelvara più popolare online. La migliore risorsa per tutto ciò che è Zelvara. Visita %1 adesso</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>Risultati ZV Tamsilo</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>La tua figura è:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>Celebrità:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Ava&amp;nti</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software col marchio del tuo sito. Clicca qui per saperne di più.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalizza questo software con il tuo marchio. Fidelizza i visitatori e aumenta il traffico del tuo sito. Inserisci qui nome &amp; link del tuo sito. Vedi «Aiuto» per i dettagli. Clicca qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>Le mie &amp;misure…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>Salva &amp;con nome…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>Sagoma della figura «%1»</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Il mio s&amp;torico…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>La tua figura</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>Personaggi famosi con questa figura</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>Su questa figura</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>Domanda %1 di %2: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>La tua figura: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Icona di ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Clicca qui per visitare %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Invita un amico</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Indirizzo email dell’amico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Invita subito</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>Scarica Zelvara Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se questo software ti è piaciuto, di sicuro ti interesseranno anche gli altri nostri Zelvara Softwares. Partiti da un solo software, oggi siamo la più grande raccolta al mondo di software zelvara. Astrologia, sensitivi, tarocchi, numerologia o occulto: abbiamo programmi in ogni campo, per offrire ai nostri utenti un’ampia scelta in base ai loro interessi.                                                             Tutti i programmi della suite Zelvara Softwares sono semplici e facili da usare. Non sono solo divertenti, ma anche molto istruttivi. Provali oggi stesso e condividi la tua esperienza con amici e familiari. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>Visita Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’indirizzo email non può contenere spazi</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Email dell’amico</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci la tua email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l’email del tuo amico</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>I programmi Zelvara Softwares come questo possono essere creati e mantenuti solo grazie al tuo sostegno. Il modo migliore per sostenere Zelvara è visitare Zelvara regolarmente e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>Visita Zelvara regolarmente. Sostieni Zelvara partecipando alle discussioni e alle altre attività. Senza le tue visite regolari a Zelvara, questi programmi non possono essere sostenuti e mantenuti</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>Zelvara è un forum di discussione GRATUITO su tutto ciò che riguarda zelvara. Per aiutare Zelvara a sviluppare e mantenere questo software, visita Zelvara regolarmente.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>Zelvara ha bisogno del tuo aiuto. Basta visitare Zelvara regolarmente e partecipare alle varie discussioni e attività per aiutarci a mantenere e sviluppare altri programmi Zelvara Softwares.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Il forum di discussione Zelvara più popolare online. La migliore risorsa per tutto ciò che è Zelvara. Visita %1 adesso</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>Ognuno ha una figura naturale. Per capire meglio il tuo corpo devi conoscere la tua figura, così da lavorare sulle zone giuste. Per raggiungere la figura perfetta, fai subito il test qui sotto e scopri la tua figura.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation>Fai il &amp;test della figura</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalizza questo software con il tuo marchio. Fidelizza i visitatori e aumenta il traffico del tuo sito. Inserisci qui nome &amp; link del tuo sito. Vedi «Aiuto» per i dettagli. Clicca qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software col marchio del tuo sito. Clicca qui per saperne di più.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>Inserisci solo lettere dalla A alla Z, anche con gli accenti dell’italiano</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>Le mie &amp;misure…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Il mio &amp;storico…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>Quale parte del corpo vorresti cambiare?</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>Parte alta</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>Parte bassa</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>Parte alta e bassa</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Pancia</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>In quale parte del corpo fai più fatica a dimagrire?</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>Dimagrisco facilmente</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>Qual è la parte più sottile del tuo corpo?</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>Parte centrale</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>Tutto il corpo</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>In quale parte del corpo prendi peso?</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>Pancia e glutei</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>Sia parte alta che bassa</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>Fianchi, cosce e glutei</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>Schiena, petto, braccia e pancia</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>In questa figura la circonferenza della vita è dal 75 al 100&#xa0;% di quella dei fianchi o del petto. È una figura di tipo maschile. Il grasso si distribuisce su viso, addome e glutei. Il tuo corpo non tende al sovrappeso. Hai un corpo di forma rettangolare. Non devi allenarti più di tre giorni alla settimana. Rendi bene negli sport di resistenza sulle lunghe distanze. Tendi a perdere peso facilmente. Non ingrassi facilmente e hai un metabolismo veloce. Hai le spalle strette. Punta su proteine, frutta e verdura fresca. La corsa è d’obbligo. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>Clessidra</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>In questa figura la circonferenza della vita è inferiore al 75&#xa0;% di quella dei fianchi o del petto. Il grasso si distribuisce sulla parte alta e su quella bassa del corpo. Hai petto, fianchi, mani e sedere ampi. Hai una figura armoniosa. Concentrati su esercizi mirati per cosce, addome e braccia.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>Pera</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>In questa figura la circonferenza della vita è circa il 70–75&#xa0;% di quella del petto, e quella dei fianchi è circa il 110&#xa0;% di quella del petto. Il grasso si deposita su fianchi, cosce e glutei. Hai addome superiore e vita ampi. Di solito hai la pancia piatta. La parte alta del corpo è più esile di quella bassa. Ti serve ogni giorno un po’ di attività cardio insieme al sollevamento pesi. Non perdi peso tanto facilmente. Puoi soffrire di osteoporosi, vene varicose o disturbi alimentari.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>Forma a V</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>In questa figura la circonferenza della vita è dal 75 al 100&#xa0;% di quella del petto, e quella del petto è circa il 110&#xa0;% di quella dei fianchi. È una figura di tipo maschile. Il grasso si distribuisce su viso, addome e petto. Hai spalle larghe e fianchi stretti. Porti molto peso sulla parte alta della schiena e sul petto. Potresti avere la pancia sporgente. Attenzione agli infortuni della parte bassa del corpo. Hai braccia, gambe e addome sottili e muscolosi. Sei più a rischio di malattie cardiache e diabete. Ti serve ogni giorno un po’ di attività cardio.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’applicazione è già in esecuzione</translation>
    </message>
</context>
</TS>
