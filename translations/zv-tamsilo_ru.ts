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
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <translation>%1&#xa0;дюйм.</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1&#xa0;см</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 — не число.</translation>
    </message>
    <message>
        <source>%1 are not numbers.</source>
        <translation>%1 — не числа.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 cm.</source>
        <translation>%1 — вне диапазона: допустимо от %2 до %3&#xa0;см.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 cm.</source>
        <translation>%1 — вне диапазона: допустимо от %2 до %3&#xa0;см.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 in.</source>
        <translation>%1 — вне диапазона: допустимо от %2 до %3&#xa0;дюйм.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 in.</source>
        <translation>%1 — вне диапазона: допустимо от %2 до %3&#xa0;дюйм.</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>ни одна из четырёх</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No figure rule covers hips %1 or more over the bust with a defined waist: hips − bust %2, hips − waist %3 (at least %4), high hip ÷ waist %5 (under %6).</source>
        <translation>Нет правила для случая, когда обхват бёдер больше обхвата груди на %1 и более при выраженной талии: бёдра − грудь %2, бёдра − талия %3 (не менее %4), верх бёдер ÷ талия %5 (меньше %6).</translation>
    </message>
    <message>
        <source>No figure rule covers a bust %1 or more over the hips with a defined waist: bust − hips %2, bust − waist %3 (at least %4).</source>
        <translation>Нет правила для случая, когда обхват груди больше обхвата бёдер на %1 и более при выраженной талии: грудь − бёдра %2, грудь − талия %3 (не менее %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), bust − waist %4 (at least %5) or hips − waist %6 (at least %7).</source>
        <translation>Определено по: бёдра − грудь %1 (от %2, но меньше %3), грудь − талия %4 (не менее %5) или бёдра − талия %6 (не менее %7).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), hips − waist %4 (at least %5) and high hip ÷ waist %6 (under %7).</source>
        <translation>Определено по: бёдра − грудь %1 (от %2, но меньше %3), бёдра − талия %4 (не менее %5) и верх бёдер ÷ талия %6 (меньше %7).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (over %2 and under %3) and bust − waist %4 (at least %5).</source>
        <translation>Определено по: грудь − бёдра %1 (больше %2 и меньше %3) и грудь − талия %4 (не менее %5).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2), hips − waist %3 (at least %4) and high hip ÷ waist %5 (at least %6).</source>
        <translation>Определено по: бёдра − грудь %1 (больше %2), бёдра − талия %3 (не менее %4) и верх бёдер ÷ талия %5 (не менее %6).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (at least %2) and hips − waist %3 (under %4).</source>
        <translation>Определено по: бёдра − грудь %1 (не менее %2) и бёдра − талия %3 (меньше %4).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (at least %2) and bust − waist %3 (under %4).</source>
        <translation>Определено по: грудь − бёдра %1 (не менее %2) и грудь − талия %3 (меньше %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2 and under %3), bust − waist %4 (under %5) and hips − waist %6 (under %7).</source>
        <translation>Определено по: бёдра − грудь %1 (больше %2 и меньше %3), грудь − талия %4 (меньше %5) и бёдра − талия %6 (меньше %7).</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would make it %2. Measure again.</source>
        <translation>На грани: при обхвате груди на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would make it %2. Measure again.</source>
        <translation>На грани: при обхвате груди на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would make it %2. Measure again.</source>
        <translation>На грани: при обхвате талии на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would make it %2. Measure again.</source>
        <translation>На грани: при обхвате талии на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would make it %2. Measure again.</source>
        <translation>На грани: при обхвате верха бёдер на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would make it %2. Measure again.</source>
        <translation>На грани: при обхвате верха бёдер на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would make it %2. Measure again.</source>
        <translation>На грани: при обхвате бёдер на %1 больше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would make it %2. Measure again.</source>
        <translation>На грани: при обхвате бёдер на %1 меньше результат был бы другим: %2. Измерьте снова.</translation>
    </message>
    <message>
        <source>Your answers tied %1.</source>
        <translation>Ваши ответы разделились поровну: %1.</translation>
    </message>
    <message>
        <source>Your answers said %1.</source>
        <translation>Ваши ответы: %1.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure finds none of the four.</source>
        <translation>Ваши ответы разделились поровну: %1; по меркам — ни одна из четырёх.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure finds none of the four.</source>
        <translation>Ваши ответы: %1; по меркам — ни одна из четырёх.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure says %2.</source>
        <translation>Ваши ответы разделились поровну: %1; по меркам — %2.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure agrees.</source>
        <translation>Ваши ответы: %1; мерки это подтверждают.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure says otherwise.</source>
        <translation>Ваши ответы: %1; мерки говорят об ином.</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <translation>Грудь: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <translation>Талия: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <translation>Верх бёдер: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
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
        <translation>Введите все четыре мерки, чтобы узнать свою фигуру.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <translation>Фигура по меркам: %1</translation>
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
        <source>Around the upper swell of the hips, about 18 cm (7 in) below the waist</source>
        <translation>По верху бёдер, примерно на 18&#xa0;см (7&#xa0;дюймов) ниже талии</translation>
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
        <source>Nothing you type here is kept or sent anywhere.</source>
        <translation>Данные не сохраняются и никуда не отправляются.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Put my &amp;measurements on the result card</source>
        <translation>Добавить &amp;мерки в карточку результата</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Почему &amp;четыре?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
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
Груша: нижние песочные часы, ложка и треугольник — бёдра полнее груди, как в описании «Груши».
Перевёрнутый треугольник: перевёрнутый треугольник — грудь шире бёдер.
Прямоугольник: прямоугольник — грудь, талия и бёдра почти одинаковы.

Правила опубликованы, но не проверены на 3D-сканах тела: один сантиметр в одной мерке может изменить тип, поэтому считайте результат ориентиром.</translation>
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
        <translation>Результат для: %1</translation>
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
        <translation>При этом типе фигуры обхват талии составляет 75–100&#xa0;% обхвата бёдер или груди. Пропорции этой фигуры принято считать маскулинными. Жир откладывается на лице, животе и ягодицах. Вам повезло: лишнего веса у вас нет. У вас фигура прямоугольной формы. Тренироваться больше трёх дней в неделю не нужно. Вам хорошо даются упражнения на выносливость, например бег на длинные дистанции. Вы легко худеете, не склонны набирать вес, и у вас быстрый обмен веществ. У вас узкие плечи. Ешьте больше белка, свежих фруктов и овощей. Бег обязателен. </translation>
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
