<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>ampulheta</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>ampulheta inferior</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>ampulheta superior</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>colher</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triângulo</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>triângulo invertido</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>retângulo</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>nenhum tipo</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>Ainda não há nada guardado.</translation>
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
            <numerusform>%Ln registro de %1 a %2. O último: %3; tipo de corpo medido: %4.</numerusform>
            <numerusform>%Ln registros de %1 a %2. O último: %3; tipo de corpo medido: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>A linha %1 não tem oito campos separados por vírgulas.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>Linha %1: “%2” não é uma data escrita como 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>Linha %1: “%2” não é um comprimento em centímetros escrito como 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>A linha %1 abre aspas que nunca são fechadas.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>Isto não é um histórico exportado pelo ZV Tamsilo: a primeira linha não é %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>Linha %1: “%2” não é nenhum dos tipos de corpo que um arquivo CSV pode indicar: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>o registro %1 contém algo que não é uma medida</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>O arquivo %1 não é um histórico do ZV Tamsilo, por isso fica como está. Para começar um histórico novo, mova esse arquivo para outro lugar.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>O histórico %1 foi gravado por uma versão mais nova do ZV Tamsilo, por isso esta versão o deixa como está.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>Não é possível ler o histórico %1 (%2). Nada nele foi alterado.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>O histórico %1 está danificado e não pode ser lido (%2). Ele fica como está; para começar um histórico novo, mova esse arquivo para outro lugar.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>Não é possível gravar no histórico %1 (%2). Tudo o que foi guardado antes continua lá.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>não é possível criar a pasta dele</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>não é possível carregar o módulo %1</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>Meu histórico</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidade:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>&amp;Centímetros</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;Polegadas</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>Registros guardados</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>Gráfico das quatro medidas ao longo do tempo</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>E&amp;xcluir…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>Excluir &amp;tudo…</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Aqui está o que você guardou com “Guardar no histórico” em Minhas medidas, e nada mais: a data, as quatro medidas e a altura como você as digitou, a unidade e os tipos de corpo que a fita métrica e suas respostas indicaram. Tudo fica neste computador, em %1. “Excluir tudo” apaga esse arquivo.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>Fita métrica</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Excluir o registro de %1 do seu histórico? Ele não poderá ser recuperado.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>Arquivo JSON (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>Exportar meu histórico</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>Não foi possível exportar o histórico para %1: %2</translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>Importar para meu histórico</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>Ele é grande demais para ser um histórico.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>Nada foi importado de %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>Registros: %Ln</numerusform>
            <numerusform>%Ln registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>Excluir o único registro do seu histórico? O arquivo %1 será apagado e não poderá ser recuperado.</numerusform>
            <numerusform>Excluir todos os %Ln registros do seu histórico? O arquivo %1 será apagado e não poderá ser recuperado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>%Ln registro exportado para %1.</numerusform>
            <numerusform>%Ln registros exportados para %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>Registros adicionados ao seu histórico: %Ln.</numerusform>
            <numerusform>%Ln registros adicionados ao seu histórico.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>Digite as quatro medidas, todas dentro do que uma fita consegue medir, antes de guardá-las.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>A altura não é um número: corrija-a ou deixe-a vazia antes de guardar as medidas.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Guardado no seu histórico com data de %1. Para ver, use Arquivo &gt; Meu histórico…, na janela de boas-vindas ou na página de resultados.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>Como tirar as medidas</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>Use uma fita métrica flexível, sobre roupa leve ou sem roupa, na frente de um espelho. Duas medições do mesmo ponto costumam variar até 2&#xa0;cm (0,8&#xa0;pol.), e a cintura medida por conta própria tende a sair cerca de 1&#xa0;cm (0,4&#xa0;pol.) menor, então meça cada ponto duas vezes.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>Localize os mamilos com os dedos e passe a fita nessa altura pela parte mais volumosa do peito, por baixo dos braços e na horizontal pelas costas. Deixe a fita justa, sem apertar, e leia a medida ao soltar o ar.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>Encontre a parte mais fina entre a última costela e o alto do osso do quadril, em geral logo acima do umbigo, e passe a fita ali, na horizontal em toda a volta. Leia a medida ao soltar o ar, sem puxar a fita nem encolher a barriga.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>Apalpe os ossos salientes na frente do quadril e passe a fita por cima deles, na horizontal em toda a volta, logo abaixo da cintura. Deixe a fita justa, sem apertar, e leia a medida ao soltar o ar.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>Apalpe o osso saliente na lateral de cada quadril, no alto da coxa, e passe a fita nessa altura pela parte mais larga do quadril e do bumbum, na horizontal em toda a volta. Fique com os pés juntos, deixe a fita justa, sem apertar, e leia a medida ao soltar o ar.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>Figura com a fita na parte mais volumosa do busto</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>Figura com a fita na parte mais fina da cintura</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>Figura com a fita sobre os ossos do quadril, logo abaixo da cintura</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>Figura com a fita na parte mais larga do quadril</translation>
    </message>
</context>
<context>
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <extracomment>%1 is a length in inches, e.g. 35.5</extracomment>
        <translation>%1&#xa0;pol.</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <extracomment>%1 is a length in centimetres, e.g. 90.5</extracomment>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>nenhum dos quatro</translation>
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
        <translation>Quadril alto: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>Quadril: %1</translation>
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
        <translation>Quadril alto</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Quadril</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>Digite as quatro medidas para ver o tipo de corpo.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Tipo de corpo medido: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Suas duas medições do busto diferem em %1: meça o busto mais uma vez.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Suas duas medições da cintura diferem em %1: meça a cintura mais uma vez.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Suas duas medições do quadril alto diferem em %1: meça o quadril alto mais uma vez.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>quadril alto ÷ cintura</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>busto − quadril</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>quadril − busto</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>busto − cintura</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>quadril − cintura</translation>
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
        <translation>no máximo %1</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>mais de %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>pelo menos %1</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>mais de %1 e menos de %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>mais de %1 e no máximo %2</translation>
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
        <translation>%1 %2 (no seu caso, %3)</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1, o que basta (embora %2 seja %3)</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>Nenhuma regra de silhueta abrange estas medidas. A regra mais próxima (%1) pede %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>Decidido por %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>Relação cintura-quadril %1: para mulheres, a OMS (2008) considera %2 ou mais um risco aumentado para a saúde.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>Relação cintura-altura %1: o NICE (2022) considera %2 ou mais um risco aumentado e %3 ou mais um risco alto para a saúde.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Suas duas medições do quadril diferem em %1: meça o quadril mais uma vez.</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1 assim como %2, basta uma delas</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>Não é um número: %1.</numerusform>
            <numerusform>Não são números: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>Mais de três casas decimais: %1. Digite a medida com no máximo três.</numerusform>
            <numerusform>Mais de três casas decimais: %1. Digite as medidas com no máximo três.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>Fora da faixa: %1. O valor deve ficar entre %2 e %3&#xa0;cm.</numerusform>
            <numerusform>Fora da faixa: %1. Os valores devem ficar entre %2 e %3&#xa0;cm.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>Fora da faixa: %1. O valor deve ficar entre %2 e %3&#xa0;pol.</numerusform>
            <numerusform>Fora da faixa: %1. Os valores devem ficar entre %2 e %3&#xa0;pol.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>No limite: a menor mudança no busto daria: %1. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>No limite: a menor mudança na cintura daria: %1. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>No limite: a menor mudança no quadril alto daria: %1. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>No limite: a menor mudança no quadril daria: %1. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a mais no busto, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a menos no busto, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a mais na cintura, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a menos na cintura, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a mais no quadril alto, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a menos no quadril alto, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a mais no quadril, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>No limite: com %1 a menos no quadril, o resultado seria: %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>Estável: mesmo que cada medida varie até %1, o resultado continua sendo: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>Instável: se cada medida variar até %1, o resultado também poderia ser: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Suas respostas empataram: %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Suas respostas: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Suas respostas empataram: %1. A fita métrica não encontra nenhum dos quatro.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Suas respostas: %1. A fita métrica não encontra nenhum dos quatro.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>Suas respostas empataram: %1. A fita métrica indica: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Suas respostas: %1. A fita métrica concorda.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Suas respostas: %1. A fita métrica indica outro tipo de corpo.</translation>
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
        <translation>quadril alto</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>quadril</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>altura</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>inches written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>pol.</translation>
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
        <translation>Minhas medidas</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>Suas medidas</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>&amp;Busto</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>Na parte mais volumosa do busto, com a fita na horizontal</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>&amp;Cintura</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>Na parte mais fina da cintura</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>Quadril &amp;alto</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>&amp;Quadril</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>Na parte mais larga do quadril e do bumbum</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidade:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>Pela fita métrica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>&amp;Por que quatro?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>A fita métrica: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>As regras de silhueta publicadas classificam quatro medidas em sete silhuetas: ampulheta, ampulheta superior, ampulheta inferior, colher, triângulo, triângulo invertido e retângulo. Este programa conhece quatro tipos de corpo, então cada silhueta aparece como o tipo de corpo cuja descrição combina com ela.

Ampulheta: a ampulheta e a ampulheta superior, pela cintura marcada, que a descrição da Forma de V exclui.
Pera: a ampulheta inferior, a colher e o triângulo, com o quadril mais largo que o busto, como na descrição da Pera.
Forma de V: o triângulo invertido, com o busto mais largo que o quadril.
Retângulo: o retângulo, com medidas de busto, cintura e quadril parecidas.

As regras são publicadas, mas não foram validadas com escaneamento corporal: um centímetro numa medida pode mudar a silhueta, então use o resultado como orientação.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>&amp;Guardar no histórico</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>De uma a três medições</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>A&amp;ltura</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>Opcional, para a relação cintura-altura</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>Pôr minhas &amp;medidas e o tipo no cartão</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>Como m&amp;edir</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, segunda medição</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, terceira medição</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>O que você digita aqui só é guardado se você clicar em “Guardar no histórico”, e nunca é enviado.</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>Sobre os ossos salientes na frente do quadril, logo abaixo da cintura</translation>
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
        <translation>Resultado do teste de tipo de corpo</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>Resultado do teste de tipo de corpo: %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>Seu tipo de corpo é</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>Famosos com este tipo de corpo</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>Sobre este tipo de corpo</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>Como suas respostas contaram</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>Cada uma das quatro respostas contou um ponto para um tipo de corpo.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>%1 teve o maior número de respostas.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>Em caso de empate, vence o primeiro tipo na ordem Retângulo, Ampulheta, Pera, Forma de V.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>O que a fita métrica disse</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Salvar resultado como</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>Não foi possível salvar o resultado como “%1”.

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Imprimir resultado</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Não foi possível imprimir o resultado.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Não foi possível desenhar o cartão.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln resposta</numerusform>
            <numerusform>%Ln respostas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>Empate, com %Ln resposta para cada tipo: %1.</numerusform>
            <numerusform>Empate, com %Ln respostas para cada tipo: %1.</numerusform>
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
        <translation>Pode haver uma atualização deste programa.<byte value="xd"/>Deseja procurar atualizações?</translation>
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
        <translation>Ícone do ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>O ZV Tamsilo ajuda você a analisar seu tipo de corpo. Todo mundo tem um tipo de corpo natural. Para entender melhor seu corpo, você precisa conhecer seu tipo de corpo e trabalhar cada região como convém. Conquiste o corpo perfeito com este programa. Copyright © 2026 Zelvara Softwares. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>Clique e visite %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>O fórum de Zelvara mais popular da internet. O melhor recurso para tudo sobre Zelvara. Visite %1 agora</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>ZV Tamsilo: resultados</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>Seu tipo de corpo é:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>Famosos:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próximo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponha sua marca neste programa.  Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome &amp;  o link do seu site. Veja “Ajuda”.    Clique aqui para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Minhas medidas…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>&amp;Salvar como…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Visite nosso si&amp;te</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Sobr&amp;e…</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhe dinheiro online</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>Silhueta do tipo de corpo %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Meu &amp;histórico…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>Seu tipo de corpo</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>Famosos com este tipo de corpo</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>Sobre este tipo de corpo</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>Pergunta %1 de %2: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>Seu tipo de corpo: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Ícone do ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Clique e visite %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique um amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>Baixe os Zelvara Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros Zelvara Softwares. Começamos com um só programa e hoje somos o maior acervo de programas zelvara do mundo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas de todas as áreas, com muitas opções para cada interesse.                                                             Todos os programas Zelvara Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente hoje e conte a experiência para amigos e família. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>Clique e visite a Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite e-mails diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas da Zelvara Softwares como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar a Zelvara é visitar a Zelvara sempre e participar das discussões e outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>Visite a Zelvara sempre. Apoie a Zelvara participando das discussões e outras atividades. Estes programas não podem ser mantidos sem as suas visitas frequentes à Zelvara</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>A Zelvara é um fórum online GRATUITO sobre tudo de zelvara. Para ajudar a Zelvara a criar e manter este programa, visite a Zelvara sempre.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>A Zelvara precisa da sua ajuda. Basta visitar a Zelvara sempre e participar das várias discussões e atividades para nos ajudar a manter e criar mais Zelvara Softwares.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>O fórum de Zelvara mais popular da internet. O melhor recurso para tudo sobre Zelvara. Visite %1 agora</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>Todo mundo tem um tipo de corpo natural. Para entender melhor seu corpo, você precisa conhecer seu tipo de corpo e trabalhar cada região como convém. Para conquistar o corpo perfeito, faça agora o teste abaixo e descubra seu tipo de corpo.</translation>
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
        <translation>Descubra seu &amp;tipo de corpo</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponha sua marca neste programa.  Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome &amp;  o link do seu site. Veja “Ajuda”.    Clique aqui para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Sobr&amp;e…</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhe dinheiro online</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>Digite apenas letras: de A a Z, Ç e vogais com os acentos do português</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Minhas medidas…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Meu &amp;histórico…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>Que parte do seu corpo você gostaria de mudar?</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>Parte superior</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>Parte inferior</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>Partes superior e inferior</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Barriga</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>Em que parte do corpo é mais difícil perder peso?</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>Perco peso com facilidade</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>Qual é a parte mais fina do seu corpo?</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>Parte do meio</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>Corpo inteiro</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>Em que parte do corpo você ganha peso?</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>Barriga e bumbum</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>Partes superior e inferior</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>Quadril, coxas e bumbum</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>Costas, peito, braços e barriga</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>Neste tipo de corpo, a circunferência da cintura é de setenta e cinco a cem por cento da do quadril ou do peito. É um corpo de formato masculino. A gordura se distribui pelo rosto, abdômen e bumbum. Seu corpo não tem tendência ao sobrepeso. Seu corpo tem formato retangular. Não é preciso treinar mais de três dias por semana. Você se sai bem em exercícios de resistência de longa distância. Você tende a perder peso com facilidade. Não engorda fácil e tem o metabolismo acelerado. Seus ombros são pequenos. Coma bastante proteína, frutas frescas e verduras. Correr é indispensável. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>Ampulheta</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>Neste tipo de corpo, a circunferência da cintura é menor que setenta e cinco por cento da do quadril ou do peito. A gordura se distribui pelas partes superior e inferior do corpo. Seu peito, quadril, mãos e bumbum são largos. Você tem um corpo cheio de curvas. Concentre-se em exercícios para as coxas, o abdômen e os braços.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>Pera</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>Neste tipo de corpo, a circunferência da cintura é de cerca de setenta a setenta e cinco por cento da do peito, e a do quadril, de cerca de cento e dez por cento da do peito. A gordura se acumula no quadril, nas coxas e no bumbum. A parte alta do abdômen e a cintura são largas. Em geral, a barriga é chapada. A parte de cima do corpo é mais estreita que a de baixo. Você precisa de algum exercício aeróbico todo dia, com musculação. Você não perde peso com tanta facilidade. Pode sofrer de osteoporose, varizes ou transtornos alimentares.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>Forma de V</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>Neste tipo de corpo, a circunferência da cintura é de setenta e cinco a cem por cento da do peito, e a do peito, de cerca de cento e dez por cento da do quadril. É um corpo de formato masculino. A gordura se distribui pelo rosto, abdômen e peito. Seus ombros são largos e o quadril, estreito. Você carrega muito peso na parte alta das costas e no peito. Sua barriga pode ser saliente. Cuidado com lesões na parte inferior do corpo. Seus braços, pernas e barriga são finos e musculosos. Você tem tendência a doenças cardíacas e diabetes. Você precisa de algum exercício aeróbico todo dia.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está aberto</translation>
    </message>
</context>
</TS>
