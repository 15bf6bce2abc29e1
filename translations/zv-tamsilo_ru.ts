<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>песочные часы</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>нижние песочные часы</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>верхние песочные часы</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>ложка</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>треугольник</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>перевёрнутый треугольник</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>прямоугольник</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>без типа</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>Пока ничего не сохранено.</translation>
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
            <numerusform>%Ln запись с %1 по %2. Последняя: %3, тип по ленте — %4.</numerusform>
            <numerusform>%Ln записи с %1 по %2. Последняя: %3, тип по ленте — %4.</numerusform>
            <numerusform>%Ln записей с %1 по %2. Последняя: %3, тип по ленте — %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>В строке %1 не восемь полей, разделённых запятыми.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>Строка %1: «%2» — не дата в виде 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>Строка %1: «%2» — не длина в сантиметрах в виде 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>В строке %1 открыты кавычки, которые нигде не закрыты.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>Это не история, экспортированная из ZV Tamsilo: первая строка файла — не %1.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>Строка %1: «%2» не входит в число типов фигуры, допустимых в файле CSV: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>в записи %1 значение, которое не может быть меркой</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Файл %1 — не история ZV Tamsilo, поэтому он остаётся как есть. Чтобы вести новую историю, переместите этот файл в другое место.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>История %1 записана более новой версией ZV Tamsilo, поэтому эта версия её не трогает.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>Не удаётся прочитать историю %1 (%2). В ней ничего не изменено.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>История %1 повреждена и не читается (%2). Она остаётся как есть; чтобы вести новую историю, переместите этот файл в другое место.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>Не удаётся записать историю %1 (%2). Всё сохранённое раньше на месте.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>не удаётся создать её папку</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>не удаётся загрузить модуль %1</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>Моя история</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Единицы:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>&amp;Сантиметры</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;Дюймы</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>Сохранённые записи</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>График изменения четырёх мерок</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Удалить…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>Удалить &amp;всё…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Экспорт…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>И&amp;мпорт…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>Здесь то, что вы сохранили кнопкой «Сохранить в истории» в окне «Измерение фигуры», и ничего больше: дата, четыре мерки и рост в том виде, как вы их ввели, единицы и тип фигуры по сантиметровой ленте и по ответам. Всё хранится на этом компьютере, в %1. «Удалить всё» удаляет этот файл.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Рост</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>По ленте</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>По ответам</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>%Ln запись</numerusform>
            <numerusform>%Ln записи</numerusform>
            <numerusform>%Ln записей</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Удалить запись от %1 из истории? Вернуть её будет нельзя.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>Удалить %Ln запись из истории? Файл %1 будет удалён, вернуть его будет нельзя.</numerusform>
            <numerusform>Удалить все %Ln записи из истории? Файл %1 будет удалён, вернуть его будет нельзя.</numerusform>
            <numerusform>Удалить все %Ln записей из истории? Файл %1 будет удалён, вернуть его будет нельзя.</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>Файл JSON (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>Экспорт истории</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>Не удалось экспортировать историю в %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>%Ln запись экспортирована в %1.</numerusform>
            <numerusform>%Ln записи экспортированы в %1.</numerusform>
            <numerusform>%Ln записей экспортировано в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>Импорт в историю</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>Файл больше любой возможной истории.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>Из %1 ничего не импортировано.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>В историю добавлена %Ln запись.</numerusform>
            <numerusform>В историю добавлены %Ln записи.</numerusform>
            <numerusform>В историю добавлено %Ln записей.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>Прежде чем сохранять, введите все четыре мерки, каждую — в пределах, которые можно измерить лентой.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>Рост — не число: исправьте его или оставьте пустым, прежде чем сохранять мерки.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>Сохранено в истории с датой %1. Открыть её можно через «Файл &gt; Моя история…» в окне приветствия или на странице результатов.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>Как снимать мерки</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>Возьмите мягкую сантиметровую ленту и измеряйте поверх тонкой одежды или без неё, перед зеркалом. Два замера одного и того же обхвата часто расходятся на величину до 2&#xa0;см (0,8&#xa0;дюйма), а талия, измеренная самостоятельно, обычно выходит примерно на 1&#xa0;см (0,4&#xa0;дюйма) меньше, поэтому снимайте каждую мерку дважды.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>Нащупайте соски и проведите ленту на этом уровне по самым выступающим точкам груди, под мышками и горизонтально по спине. Лента должна прилегать плотно, но не давить; снимайте мерку на выдохе.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>Найдите самое узкое место между нижним ребром и верхним краем тазовой кости, обычно чуть выше пупка, и оберните его лентой горизонтально по всему кругу. Снимайте мерку на выдохе, не натягивая ленту и не втягивая живот.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>Нащупайте спереди на бёдрах выступающие тазовые косточки и проведите ленту через них горизонтально по всему кругу, чуть ниже талии. Лента должна прилегать плотно, но не давить; снимайте мерку на выдохе.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>Нащупайте сбоку на каждом бедре косточку, выступающую в самом верху ноги, и проведите ленту на этом уровне по самым широким местам бёдер и ягодиц, горизонтально по всему кругу. Поставьте ноги вместе; лента должна прилегать плотно, но не давить. Снимайте мерку на выдохе.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>Фигура с лентой по самым выступающим точкам груди</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>Фигура с лентой по самому узкому месту талии</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>Фигура с лентой через тазовые косточки, чуть ниже талии</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>Фигура с лентой по самым широким местам бёдер</translation>
    </message>
</context>
<context>
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <extracomment>%1 is a length in inches, e.g. 35.5</extracomment>
        <translation>%1&#xa0;дюйм.</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <extracomment>%1 is a length in centimetres, e.g. 90.5</extracomment>
        <translation>%1&#xa0;см</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>ни одна из четырёх</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is one of the program&apos;s four shapes, %2 the figure type the rules found, e.g. Spoon (triangle)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <extracomment>%1 is the bust&apos;s length, e.g. 90.5 cm</extracomment>
        <translation>Грудь: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <extracomment>%1 is the waist&apos;s length, e.g. 70 cm</extracomment>
        <translation>Талия: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <extracomment>%1 is the high hip&apos;s length, e.g. 80 cm</extracomment>
        <translation>Верх бёдер: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>Бёдра: %1</translation>
    </message>
    <message>
        <source>Bust</source>
        <translation>Грудь</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Талия</translation>
    </message>
    <message>
        <source>High hip</source>
        <translation>Верх бёдер</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Бёдра</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>Введите все четыре мерки, чтобы увидеть, какую фигуру они дают.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>Фигура по меркам: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Два ваших замера груди расходятся на %1: измерьте грудь ещё раз.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Два ваших замера талии расходятся на %1: измерьте талию ещё раз.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Два ваших замера верха бёдер расходятся на %1: измерьте верх бёдер ещё раз.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>верх бёдер ÷ талия</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>грудь − бёдра</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>бёдра − грудь</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>грудь − талия</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>бёдра − талия</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <extracomment>%1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>under %1</source>
        <extracomment>%1 is a limit, e.g. 3.6 in</extracomment>
        <translation>меньше %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>%1 is a limit, e.g. 1 in</extracomment>
        <translation>не больше %1</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>больше %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>не меньше %1</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>больше %1 и меньше %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>больше %1 и не больше %2</translation>
    </message>
    <message>
        <source>from %1 to under %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to under 10 in</extracomment>
        <translation>не меньше %1 и меньше %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to 10 in</extracomment>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>%1 is what is compared, %2 its value, %3 the limit it meets, e.g. hips − bust 3 in (over 2 in)</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 %2 (here %3)</source>
        <extracomment>%1 is what is compared, %2 the limit it must meet, %3 its value, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>%1 %2 (здесь %3)</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1, этого достаточно, хотя %2 — %3</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>Ни одно правило не подходит к этим меркам. Ближайшее правило (%1) требует: %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>Решающие условия: %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>Отношение талии к бёдрам: %1. ВОЗ (2008) относит значение %2 и выше у женщин к повышенному риску для здоровья.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>Отношение талии к росту: %1. NICE (2022) относит значение %2 и выше к повышенному, а %3 и выше — к высокому риску для здоровья.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Рост</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>Два ваших замера бёдер расходятся на %1: измерьте бёдра ещё раз.</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1, а также %2 — достаточно любого из двух</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>Не число в поле: %1.</numerusform>
            <numerusform>Не числа в полях: %1.</numerusform>
            <numerusform>Не числа в полях: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>Больше трёх знаков после запятой: %1. Введите не больше трёх.</numerusform>
            <numerusform>Больше трёх знаков после запятой: %1. Введите не больше трёх.</numerusform>
            <numerusform>Больше трёх знаков после запятой: %1. Введите не больше трёх.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>Вне диапазона: %1. Допустимо от %2 до %3&#xa0;см.</numerusform>
            <numerusform>Вне диапазона: %1. Допустимо от %2 до %3&#xa0;см.</numerusform>
            <numerusform>Вне диапазона: %1. Допустимо от %2 до %3&#xa0;см.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>Вне диапазона: %1. Допустимо от %2 до %3&#xa0;дюйм.</numerusform>
            <numerusform>Вне диапазона: %1. Допустимо от %2 до %3&#xa0;дюйм.</numerusform>
            <numerusform>Вне диапазона: %1. Допустимо от %2 до %3&#xa0;дюйм.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>На грани: при малейшем изменении обхвата груди результат был бы другим: %1. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>На грани: при малейшем изменении обхвата талии результат был бы другим: %1. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>На грани: при малейшем изменении обхвата верха бёдер результат был бы другим: %1. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>На грани: при малейшем изменении обхвата бёдер результат был бы другим: %1. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате груди на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате груди на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате талии на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате талии на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате верха бёдер на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате верха бёдер на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате бёдер на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>На грани: при обхвате бёдер на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>Устойчиво: даже при ошибке каждой мерки до %1 результат тот же: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>Неустойчиво: при ошибке каждой мерки до %1 может получиться и другое: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Ваши ответы разделились поровну: %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Ваши ответы: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>Ваши ответы разделились поровну: %1. По меркам — ни одна из четырёх.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Ваши ответы: %1. По меркам — ни одна из четырёх.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>Ваши ответы разделились поровну: %1. По меркам: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Ваши ответы: %1. Мерки это подтверждают.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>Ваши ответы: %1. Мерки показывают другое.</translation>
    </message>
    <message>
        <source>bust</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>грудь</translation>
    </message>
    <message>
        <source>waist</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not a number: waist</extracomment>
        <translation>талия</translation>
    </message>
    <message>
        <source>high hip</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and high hip</extracomment>
        <translation>верх бёдер</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>бёдра</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>рост</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>inches written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>дюйм.</translation>
    </message>
    <message>
        <source>cm</source>
        <extracomment>centimetres written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>см</translation>
    </message>
</context>
<context>
    <name>MeasureShapeWindow</name>
    <message>
        <source>Measure My Shape</source>
        <translation>Измерение фигуры</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>Ваши мерки</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>&amp;Грудь</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>По самым выступающим точкам груди, лента горизонтально</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>&amp;Талия</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>По самому узкому месту талии</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>&amp;Верх бёдер</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>&amp;Бёдра</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>По самым широким местам бёдер и ягодиц</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Единицы:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>Сантиметры</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Дюймы</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>По сантиметровой ленте</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Почему именно &amp;четыре?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>По меркам: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>Опубликованные правила относят каждое сочетание четырёх мерок к одному из семи типов фигуры: песочные часы, верхние песочные часы, нижние песочные часы, ложка, треугольник, перевёрнутый треугольник и прямоугольник. Программа знает четыре фигуры, поэтому каждый тип показан как та фигура, под описание которой он подходит.

Песочные часы: песочные часы и верхние песочные часы — из-за выраженной талии, которую исключает описание «Перевёрнутого треугольника».
Груша: нижние песочные часы, ложка и треугольник — бёдра объёмнее груди, как в описании «Груши».
Перевёрнутый треугольник: перевёрнутый треугольник — грудь шире бёдер.
Прямоугольник: прямоугольник — грудь, талия и бёдра почти одинаковы.

Правила опубликованы, но не проверены на 3D-сканах тела: один сантиметр в одной мерке может изменить тип, поэтому считайте результат ориентиром.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>&amp;Сохранить в истории</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>От одного до трёх замеров</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>&amp;Рост</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>Необязательно, для отношения талии к росту</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>&amp;Мерки и фигуру — на карточку результата</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>&amp;Как снимать мерки</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, второй замер</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1, третий замер</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>Введённое здесь сохраняется, только если вы нажмёте «Сохранить в истории», и никуда не отправляется.</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>Через косточки бёдер спереди, чуть ниже талии</translation>
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
        <translation>Результат теста на тип фигуры</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>Результат теста на тип фигуры: %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>Ваш тип фигуры —</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>Известные люди с такой фигурой</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>Об этой фигуре</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>Как засчитаны ваши ответы</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>Каждый из четырёх ответов засчитан в пользу одной фигуры.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>Больше всего ответов: %1.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>При равенстве побеждает первая фигура в порядке: Прямоугольник, Песочные часы, Груша, Перевёрнутый треугольник.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>Что показали мерки</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>Сохранить результат как</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>Не удалось сохранить результат как «%1».

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>Печать результата</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>Не удалось напечатать результат.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Не удалось построить карточку.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln ответ</numerusform>
            <numerusform>%Ln ответа</numerusform>
            <numerusform>%Ln ответов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>Поровну, по %Ln ответу у каждой фигуры: %1.</numerusform>
            <numerusform>Поровну, по %Ln ответа у каждой фигуры: %1.</numerusform>
            <numerusform>Поровну, по %Ln ответов у каждой фигуры: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass or Ruler</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass, Ruler or Cone</extracomment>
        <translation>%1, %2 или %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 or %4</source>
        <extracomment>Names of which any one may hold, e.g. Ruler, Hourglass, Cone or none of the four</extracomment>
        <translation>%1, %2, %3 или %4</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Two lines of a Yes/No question; keep the line break between them.</extracomment>
        <translation>Возможно, для этой программы вышло обновление.<byte value="xd"/>Проверить наличие обновлений?</translation>
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
        <translation>Значок ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>ZV Tamsilo поможет определить ваш тип фигуры. У каждого человека есть свой природный тип фигуры. Зная его, вы лучше поймёте своё тело и сможете работать именно над нужными зонами. Создайте идеальную фигуру с помощью этой программы. © 2026 Zelvara Softwares. Все права защищены.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Подробнее — нажмите здесь.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу под своим брендом для вашего сайта.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>Перейти на %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Самый популярный форум Zelvara в интернете. Лучший источник всего о Zelvara. Заходите на %1</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>ZV Tamsilo: результаты</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>Ваш тип фигуры:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>Звёзды:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу под своим брендом для вашего сайта. Подробнее — нажмите здесь.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Выпустите эту программу под брендом вашего сайта. Больше лояльности и трафика. Название &amp; ссылка вашего сайта — здесь. Подробности в «Справке». Нажмите, чтобы узнать о кобрендинге.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Измерить фигуру…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>Пе&amp;чать…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Онлайн-справка</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Наш с&amp;айт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Поддержать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработок онлайн</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>Силуэт типа фигуры «%1»</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Моя исто&amp;рия…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>Ваш тип фигуры</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>Известные люди с такой фигурой</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>Об этой фигуре</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>Вопрос %1 из %2: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>Ваш тип фигуры: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>Значок ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Перейти на %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Расскажите другу</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваш адрес электронной почты</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Адрес электронной почты друга</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Отправить другу</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>Скачайте Zelvara Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие Zelvara Softwares. Начав с одной программы, мы стали крупнейшей в мире коллекцией программ Zelvara. Астрология, ясновидение, таро, нумерология или оккультизм — у нас есть программы на любой вкус.                                                             Все программы Zelvara Softwares просты в работе. С ними интересно и познавательно. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>На сайт Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес e-mail не может содержать пробелов</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail друга</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Пожалуйста, введите разные адреса e-mail</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Пожалуйста, введите правильный адрес e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Пожалуйста, введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Пожалуйста, введите свой e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Пожалуйста, введите сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Пожалуйста, введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Пожалуйста, введите e-mail друга</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>Программы Zelvara Softwares, такие как эта, создаются и развиваются только благодаря вашей поддержке. Лучшая поддержка — регулярно заходить на Zelvara и участвовать в обсуждениях и других событиях форума.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>Заходите на Zelvara регулярно. Поддержите Zelvara, участвуя в обсуждениях и других событиях. Без ваших регулярных посещений Zelvara эти программы не смогут развиваться</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>Zelvara — БЕСПЛАТНЫЙ онлайн-форум обо всём, что связано с Zelvara. Чтобы помочь Zelvara развивать эту программу, заходите на Zelvara регулярно.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>Zelvara нужна ваша помощь. Просто регулярно заходите на Zelvara и участвуйте в обсуждениях и событиях — так вы поможете нам развивать новые Zelvara Softwares.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>Самый популярный форум Zelvara в интернете. Лучший источник всего о Zelvara. Заходите на %1</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>У каждого человека есть свой природный тип фигуры. Зная его, вы лучше поймёте своё тело и сможете работать именно над нужными зонами. Чтобы создать идеальную фигуру, пройдите тест ниже и узнайте свой тип фигуры.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation>Пройти &amp;тест на тип фигуры</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Выпустите эту программу под брендом вашего сайта. Больше лояльности и трафика. Название &amp; ссылка вашего сайта — здесь. Подробности в «Справке». Нажмите, чтобы узнать о кобрендинге.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу под своим брендом для вашего сайта. Подробнее — нажмите здесь.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Онлайн-справка</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Наш с&amp;айт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Поддержать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработок онлайн</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>Пожалуйста, вводите только буквы русского или латинского алфавита</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Пожалуйста, введите своё имя</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;Измерить фигуру…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>Моя исто&amp;рия…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>Какую часть тела вы хотели бы изменить?</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>Верх тела</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>Низ тела</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>Верх и низ тела</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Живот</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>В какой части тела вам труднее всего сбросить вес?</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>Я легко худею</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>В какой части тела вы стройнее всего?</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>Середина тела</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>Всё тело</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>В какой части тела вы набираете вес?</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>Живот и ягодицы</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>И верх, и низ тела</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>Бёдра и ягодицы</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>Спина, грудь, руки и живот</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>При этом типе фигуры обхват талии составляет 75–100&#xa0;% обхвата бёдер или груди. Пропорции этой фигуры принято считать маскулинными. Жир откладывается на лице, животе и ягодицах. Вам повезло: с весом у вас обычно нет забот. У вас фигура прямоугольной формы. Тренироваться больше трёх дней в неделю не нужно. Вам хорошо даются упражнения на выносливость, например бег на длинные дистанции. Вы легко худеете, не склонны набирать вес, и у вас быстрый обмен веществ. У вас узкие плечи. Ешьте больше белка, свежих фруктов и овощей. Бег обязателен. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>Песочные часы</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>При этом типе фигуры обхват талии составляет менее 75&#xa0;% обхвата бёдер или груди. Жир распределяется по верхней и нижней части тела. У вас широкие грудь, бёдра, руки и ягодицы. У вас пропорциональная фигура. Делайте упражнения для бёдер, пресса и рук.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>Груша</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>При этом типе фигуры обхват талии составляет около 70–75&#xa0;% обхвата груди, а обхват бёдер — около 110&#xa0;% обхвата груди. Жир откладывается на бёдрах и ягодицах. Верх живота и талия у вас широкие. Обычно живот плоский. Верхняя часть тела у вас уже нижней. Вам нужны ежедневные кардиотренировки и силовые упражнения. Худеете вы не так легко. Возможны остеопороз, варикоз или расстройства пищевого поведения.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>Перевёрнутый треугольник</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>При этом типе фигуры обхват талии составляет 75–100&#xa0;% обхвата груди, а обхват груди — около 110&#xa0;% обхвата бёдер. Пропорции этой фигуры принято считать маскулинными. Жир откладывается на лице, животе и груди. У вас широкие плечи и узкие бёдра. Много веса приходится на верх спины и грудь. Живот может выступать. Берегите нижнюю часть тела от травм. У вас стройные мускулистые руки, ноги и живот. Вы склонны к болезням сердца и диабету. Вам нужны ежедневные кардиотренировки.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена</translation>
    </message>
</context>
</TS>
