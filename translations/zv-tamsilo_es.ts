<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>reloj de arena</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>reloj de arena inferior</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>reloj de arena superior</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>cuchara</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triángulo</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>triángulo invertido</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>rectángulo</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>sin figura</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>Todavía no hay nada guardado.</translation>
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
            <numerusform>%Ln entrada del %1 al %2. La última: %3; figura medida: %4.</numerusform>
            <numerusform>%Ln entradas del %1 al %2. La última: %3; figura medida: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>La línea %1 no tiene ocho campos separados por comas.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>Línea %1: «%2» no es una fecha escrita como 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>Línea %1: «%2» no es una longitud en centímetros escrita como 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>La línea %1 abre comillas que nunca se cierran.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>Esto no es un historial exportado por ZV Tamsilo: su primera línea no es %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>Línea %1: «%2» no es ninguna de las figuras que puede indicar un archivo CSV: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>la entrada %1 contiene algo que no es una medida</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>El archivo %1 no es un historial de ZV Tamsilo, así que se deja como está. Para empezar un historial nuevo, mueve ese archivo a otro lugar.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>El historial %1 lo escribió una versión más reciente de ZV Tamsilo, así que esta versión lo deja como está.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>No se puede leer el historial %1 (%2). No se ha cambiado nada en él.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>El historial %1 está dañado y no se puede leer (%2). Se deja como está; para empezar un historial nuevo, mueve ese archivo a otro lugar.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>No se puede escribir en el historial %1 (%2). Todo lo guardado antes sigue ahí.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>no se puede cargar el módulo %1</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>Mi historial</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>Centí&amp;metros</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;Pulgadas</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>Entradas guardadas</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>Gráfico de las cuatro medidas a lo largo del tiempo</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Borrar…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>Borrar &amp;todo…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Aquí está lo que guardaste con «Guardar en mi historial» en Medir mi figura, y nada más: la fecha, las cuatro medidas y la estatura tal como las escribiste, su unidad y las figuras que dieron la cinta métrica y tus respuestas. Se queda en este ordenador, en %1. «Borrar todo» elimina ese archivo.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>Cinta métrica</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>¿Borrar la entrada del %1 de tu historial? No se podrá recuperar.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>Archivo JSON (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>Exportar mi historial</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>No se pudo exportar el historial a %1: %2</translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>Importar a mi historial</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>Es demasiado grande para ser un historial.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>No se importó nada de %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>%Ln entrada</numerusform>
            <numerusform>%Ln entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>¿Borrar la única entrada de tu historial? Se eliminará el archivo %1 y no se podrá recuperar.</numerusform>
            <numerusform>¿Borrar las %Ln entradas de tu historial? Se eliminará el archivo %1 y no se podrá recuperar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>%Ln entrada exportada a %1.</numerusform>
            <numerusform>%Ln entradas exportadas a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>%Ln entrada añadida a tu historial.</numerusform>
            <numerusform>%Ln entradas añadidas a tu historial.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>Escribe las cuatro medidas, todas dentro de lo que puede medir una cinta, antes de guardarlas.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>La estatura no es un número: corrígela o déjala vacía antes de guardar las medidas.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Guardado en tu historial con fecha %1. Puedes verlo en Archivo &gt; Mi historial…, en la ventana de bienvenida o en la página de resultados.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>Cómo tomar medidas</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>Usa una cinta métrica flexible, sobre ropa ligera o sin ropa, delante de un espejo. Dos mediciones del mismo contorno suelen diferir hasta 2&#xa0;cm (0,8&#xa0;pulg.), y la cintura medida por uno mismo suele dar alrededor de 1&#xa0;cm (0,4&#xa0;pulg.) menos, así que mide cada contorno dos veces.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>Localiza los pezones al tacto y pasa la cinta a esa altura por la parte más prominente del pecho, por debajo de los brazos y horizontal por la espalda. Que quede ajustada sin apretar; lee la medida al soltar el aire.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>Busca la parte más estrecha entre la última costilla y el borde superior del hueso de la cadera, normalmente justo por encima del ombligo, y rodéala con la cinta, horizontal todo alrededor. Lee la medida al soltar el aire, sin tensar la cinta ni meter el abdomen.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>Palpa los huesos que sobresalen en la parte delantera de la cadera y pasa la cinta por encima de ellos, horizontal todo alrededor, justo por debajo de la cintura. Que quede ajustada sin apretar; lee la medida al soltar el aire.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>Palpa el hueso que sobresale a cada lado de la cadera, en lo alto del muslo, y pasa la cinta a esa altura por la parte más ancha de la cadera y los glúteos, horizontal todo alrededor. Junta los pies, deja la cinta ajustada sin apretar y lee la medida al soltar el aire.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>Figura con la cinta por la parte más prominente del busto</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>Figura con la cinta por la parte más estrecha de la cintura</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>Figura con la cinta sobre los huesos de la cadera, justo por debajo de la cintura</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>Figura con la cinta por la parte más ancha de la cadera</translation>
    </message>
</context>
<context>
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <extracomment>%1 is a length in inches, e.g. 35.5</extracomment>
        <translation>%1&#xa0;pulg.</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <extracomment>%1 is a length in centimetres, e.g. 90.5</extracomment>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>ninguna de las cuatro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is one of the program&apos;s four shapes, %2 the figure type the rules found, e.g. Spoon (triangle)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <extracomment>%1 is the bust&apos;s length, e.g. 90.5 cm</extracomment>
        <translation>Busto: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <extracomment>%1 is the waist&apos;s length, e.g. 70 cm</extracomment>
        <translation>Cintura: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <extracomment>%1 is the high hip&apos;s length, e.g. 80 cm</extracomment>
        <translation>Cadera alta: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>Cadera: %1</translation>
    </message>
    <message>
        <source>Bust</source>
        <translation>Busto</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Cintura</translation>
    </message>
    <message>
        <source>High hip</source>
        <translation>Cadera alta</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Cadera</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>Escribe las cuatro medidas para ver qué figura dan.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Figura medida: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Tus dos mediciones del busto difieren en %1: vuelve a medir el busto.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Tus dos mediciones de la cintura difieren en %1: vuelve a medir la cintura.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Tus dos mediciones de la cadera alta difieren en %1: vuelve a medir la cadera alta.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>cadera alta ÷ cintura</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>busto − cadera</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>cadera − busto</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>busto − cintura</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>cadera − cintura</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <extracomment>%1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>under %1</source>
        <extracomment>%1 is a limit, e.g. 3.6 in</extracomment>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>%1 is a limit, e.g. 1 in</extracomment>
        <translation>como mucho %1</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>al menos %1</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>más de %1 y menos de %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>más de %1 y como mucho %2</translation>
    </message>
    <message>
        <source>from %1 to under %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to under 10 in</extracomment>
        <translation>de %1 a menos de %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to 10 in</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>%1 is what is compared, %2 its value, %3 the limit it meets, e.g. hips − bust 3 in (over 2 in)</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 %2 (here %3)</source>
        <extracomment>%1 is what is compared, %2 the limit it must meet, %3 its value, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>%1 %2 (en tu caso, %3)</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1, que basta (aunque %2 sea %3)</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>Ninguna regla de figura cubre estas medidas. La regla más cercana (%1) pide %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>Lo que decide: %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>Índice cintura-cadera %1: en mujeres, la OMS (2008) considera que %2 o más supone un riesgo aumentado para la salud.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>Índice cintura-estatura %1: el NICE (2022) considera que %2 o más supone un riesgo aumentado para la salud, y %3 o más, un riesgo alto.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Tus dos mediciones de la cadera difieren en %1: vuelve a medir la cadera.</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1 así como %2, basta con una de las dos</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>No es un número: %1.</numerusform>
            <numerusform>No son números: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>Más de tres decimales: %1. Escribe la medida con tres como mucho.</numerusform>
            <numerusform>Más de tres decimales: %1. Escribe las medidas con tres como mucho.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>Fuera de rango: %1. Tiene que estar entre %2 y %3&#xa0;cm.</numerusform>
            <numerusform>Fuera de rango: %1. Tienen que estar entre %2 y %3&#xa0;cm.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>Fuera de rango: %1. Tiene que estar entre %2 y %3&#xa0;pulg.</numerusform>
            <numerusform>Fuera de rango: %1. Tienen que estar entre %2 y %3&#xa0;pulg.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al límite: el menor cambio en el busto daría: %1. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al límite: el menor cambio en la cintura daría: %1. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al límite: el menor cambio en la cadera alta daría: %1. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Al límite: el menor cambio en la cadera daría: %1. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 más en el busto, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 menos en el busto, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 más en la cintura, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 menos en la cintura, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 más en la cadera alta, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 menos en la cadera alta, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 más en la cadera, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>Al límite: con %1 menos en la cadera, el resultado sería: %2. Vuelve a medir.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>Estable: aunque cada medida varíe hasta %1, el resultado sigue siendo: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>Inestable: si cada medida varía hasta %1, el resultado también podría ser: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Tus respuestas quedaron empatadas: %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Tus respuestas: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Tus respuestas quedaron empatadas: %1. La cinta métrica no da ninguna de las cuatro.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Tus respuestas: %1. La cinta métrica no da ninguna de las cuatro.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>Tus respuestas quedaron empatadas: %1. La cinta métrica indica: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Tus respuestas: %1. La cinta métrica coincide.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Tus respuestas: %1. La cinta métrica indica otra figura.</translation>
    </message>
    <message>
        <source>bust</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>busto</translation>
    </message>
    <message>
        <source>waist</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not a number: waist</extracomment>
        <translation>cintura</translation>
    </message>
    <message>
        <source>high hip</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and high hip</extracomment>
        <translation>cadera alta</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>cadera</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>estatura</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>inches written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>pulg.</translation>
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
        <translation>Medir mi figura</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>Tus medidas</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>&amp;Busto</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>Por la parte más prominente del busto, cinta horizontal</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>C&amp;intura</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>Por la parte más estrecha de la cintura</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>Cadera &amp;alta</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>Ca&amp;dera</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>Por la parte más ancha de la cadera y los glúteos</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>Según la cinta métrica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>¿&amp;Por qué cuatro?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>La cinta métrica: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>Las reglas de figura publicadas clasifican cuatro medidas en siete tipos: reloj de arena, reloj de arena superior, reloj de arena inferior, cuchara, triángulo, triángulo invertido y rectángulo. Este programa conoce cuatro figuras, así que cada tipo se muestra como la figura con cuya descripción encaja.

Reloj de arena: el reloj de arena y el reloj de arena superior, por su cintura marcada, que la descripción de la Forma de V descarta.
Pera: el reloj de arena inferior, la cuchara y el triángulo, con más cadera que busto, como en la descripción de la Pera.
Forma de V: el triángulo invertido, con el busto más ancho que la cadera.
Rectángulo: el rectángulo, con busto, cintura y cadera muy parejos.

Las reglas están publicadas, pero no se han validado con escáneres corporales: un centímetro en una medida puede cambiar el tipo, así que toma el resultado como orientación.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>&amp;Guardar en mi historial</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>De una a tres mediciones</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>Es&amp;tatura</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>Opcional, para el índice cintura-estatura</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>Poner mis &amp;medidas y la figura en la tarjeta</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>Cómo m&amp;edir</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, segunda medición</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, tercera medición</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>Lo que escribes aquí solo se guarda si pulsas «Guardar en mi historial», y nunca se envía.</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>Por los huesos que sobresalen delante de la cadera, justo bajo la cintura</translation>
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
        <translation>Resultado del test de figura</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>Resultado del test de figura de %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>Tu tipo de cuerpo es</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>Famosos con esta figura</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>Sobre esta figura</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>Cómo contaron tus respuestas</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>Cada una de las cuatro respuestas sumó un punto a una figura.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>%1 tuvo el mayor número de respuestas.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>En caso de empate, gana la primera en el orden Rectángulo, Reloj de arena, Pera, Forma de V.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>Lo que dijo la cinta métrica</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Guardar resultado como</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>No se pudo guardar el resultado como «%1».

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Imprimir resultado</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>No se pudo imprimir el resultado.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>No se pudo dibujar la tarjeta.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln respuesta</numerusform>
            <numerusform>%Ln respuestas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>Empate, con %Ln respuesta por figura: %1.</numerusform>
            <numerusform>Empate, con %Ln respuestas por figura: %1.</numerusform>
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
        <translation>Puede que haya una actualización de este programa.<byte value="xd"/>¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Icono de ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>ZV Tamsilo te ayuda a analizar tu tipo de cuerpo. Todos tenemos un tipo de cuerpo natural. Para entender mejor tu cuerpo, necesitas conocer tu figura y así trabajar cada zona como conviene. Consigue esa figura perfecta con este programa. Copyright © 2026 Zelvara Softwares. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic para más detalles.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu negocio en internet y gana dinero online. Consigue este programa con tu propia marca para tu web.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>Haz clic y visita %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>El foro de Zelvara más popular de internet. El mejor recurso para todo lo relacionado con Zelvara. Visita %1 ya</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>ZV Tamsilo: resultados</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>Tu tipo de cuerpo es:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>Famosos:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero online. Consigue este programa con tu marca para tu web. Haz clic para más detalles.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon tu marca en este programa.  Gana fidelidad y tráfico para tu sitio. Pon aquí el nombre &amp;  el enlace de tu sitio. Más detalles en «Ayuda».    Haz clic aquí para saber más sobre el co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>Medir mi &amp;figura…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda o&amp;nline</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>A&amp;cerca de…</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gana dinero &amp;online</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>Silueta del tipo de cuerpo %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Mi &amp;historial…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>Tu tipo de cuerpo</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>Famosos con esta figura</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>Sobre esta figura</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>Pregunta %1 de %2: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>Tu tipo de cuerpo: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Icono de ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Haz clic y visita %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Invita a un amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>Descarga Zelvara Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si te ha gustado este programa, seguro que te interesarán los demás Zelvara Softwares. Empezamos con un solo programa y hoy somos el mayor recurso de programas zelvara del mundo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas de todos los campos, con mucho donde elegir según tus intereses.                                                             Todos los programas de Zelvara Softwares son sencillos y fáciles de usar. Son divertidos y muy informativos. Pruébalos hoy y comparte tu experiencia con tus amigos y tu familia. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>Haz clic y visita Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo no puede contener espacios</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduce correos electrónicos distintos</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduce un correo electrónico válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduce tu correo</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduce tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduce el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduce el correo de tu amigo</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas de Zelvara Softwares como este solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyar a Zelvara es visitar Zelvara a menudo y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>Visita Zelvara a menudo. Apoya a Zelvara participando en los debates y demás actividades. Estos programas no pueden mantenerse sin tus visitas habituales a Zelvara</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>Zelvara es un foro GRATUITO en internet sobre todo lo zelvara. Para ayudar a Zelvara a crear y mantener este programa, visita Zelvara a menudo.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>Zelvara necesita tu ayuda. Solo tienes que visitar Zelvara a menudo y participar en los debates y actividades para ayudarnos a mantener y crear más Zelvara Softwares.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>El foro de Zelvara más popular de internet. El mejor recurso para todo lo relacionado con Zelvara. Visita %1 ya</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>Todos tenemos un tipo de cuerpo natural. Para entender mejor tu cuerpo, necesitas conocer tu figura y así trabajar cada zona como conviene. Para lograr la figura perfecta, haz ahora el test y descubre tu tipo de cuerpo.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation>Haz el test de tu &amp;figura</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon tu marca en este programa.  Gana fidelidad y tráfico para tu sitio. Pon aquí el nombre &amp;  el enlace de tu sitio. Más detalles en «Ayuda».    Haz clic aquí para saber más sobre el co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero online. Consigue este programa con tu marca para tu web. Haz clic para más detalles.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda o&amp;nline</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos online</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>A&amp;cerca de…</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gana dinero &amp;online</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>Introduce solo letras: de la A a la Z, la Ñ, la Ü y vocales con tilde</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Medir mi figura…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Mi &amp;historial…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>¿Qué parte de tu cuerpo te gustaría cambiar?</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>Tren superior</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>Tren inferior</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>Tren superior e inferior</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Vientre</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>¿En qué parte del cuerpo te cuesta más perder peso?</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>Adelgazo con facilidad</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>¿Qué parte de tu cuerpo es la más delgada?</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>Zona media</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>Todo el cuerpo</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>¿En qué parte del cuerpo engordas?</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>Vientre y glúteos</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>Tren superior e inferior</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>Caderas, muslos y glúteos</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>Espalda, pecho, brazos y vientre</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>En este tipo de cuerpo, el contorno de cintura es del setenta y cinco al cien por cien del contorno de cadera o de pecho. Es un cuerpo de forma masculina. La grasa se reparte por la cara, el abdomen y los glúteos. Tu cuerpo no tiende al sobrepeso. Tu cuerpo tiene forma rectangular. No necesitas entrenar más de tres días por semana. Rindes bien en ejercicios de resistencia de larga distancia. Sueles adelgazar con facilidad. No engordas fácilmente y tienes un metabolismo alto. Tienes los hombros pequeños. Come muchas proteínas, fruta fresca y verduras. Correr es imprescindible. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>Reloj de arena</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>En este tipo de cuerpo, el contorno de cintura es inferior al setenta y cinco por ciento del contorno de cadera o de pecho. La grasa se reparte por el tren superior y el inferior. Tienes el pecho, las caderas, las manos y el trasero anchos. Tienes una figura con curvas. Céntrate en ejercicios para los muslos, el abdomen y los brazos.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>Pera</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>En este tipo de cuerpo, el contorno de cintura es de un setenta a un setenta y cinco por ciento del contorno de pecho, y el de cadera, de un ciento diez por ciento del de pecho. La grasa se acumula en caderas, muslos y glúteos. La parte alta del abdomen y la cintura son anchas. Sueles tener el vientre plano. Tu tren superior es más estrecho que el inferior. Necesitas algo de ejercicio cardiovascular cada día, junto con pesas. No adelgazas con tanta facilidad. Puedes sufrir osteoporosis, varices o trastornos alimentarios.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>Forma de V</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>En este tipo de cuerpo, el contorno de cintura es del setenta y cinco al cien por cien del contorno de pecho, y el de pecho, de un ciento diez por ciento del de cadera. Es un cuerpo de forma masculina. La grasa se reparte por la cara, el abdomen y el pecho. Tienes los hombros anchos y las caderas estrechas. Acumulas mucho peso en la parte alta de la espalda y el pecho. Puede que tengas el vientre prominente. Cuidado con las lesiones del tren inferior. Tienes brazos, piernas y vientre delgados y musculosos. Tienes tendencia a las enfermedades cardíacas y la diabetes. Necesitas algo de ejercicio cardiovascular cada día.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está abierto</translation>
    </message>
</context>
</TS>
