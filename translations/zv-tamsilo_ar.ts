<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>FigureRules</name>
    <message>
        <source>hourglass</source>
        <translation>الساعة الرملية</translation>
    </message>
    <message>
        <source>bottom hourglass</source>
        <translation>الساعة الرملية السفلية</translation>
    </message>
    <message>
        <source>top hourglass</source>
        <translation>الساعة الرملية العلوية</translation>
    </message>
    <message>
        <source>spoon</source>
        <translation>الملعقة</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>المثلث</translation>
    </message>
    <message>
        <source>inverted triangle</source>
        <translation>المثلث المقلوب</translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>المستطيل</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>no shape</source>
        <comment>an entry whose tape measure found none of the four</comment>
        <translation>لا شكل</translation>
    </message>
    <message>
        <source>Nothing is kept yet.</source>
        <translation>لم يُحفظ شيء بعد.</translation>
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
            <numerusform>لا إدخالات من %1 إلى %2. الأحدث: %3، والشكل بحسب القياس: %4.</numerusform>
            <numerusform>إدخال واحد من %1 إلى %2. الأحدث: %3، والشكل بحسب القياس: %4.</numerusform>
            <numerusform>إدخالان من %1 إلى %2. الأحدث: %3، والشكل بحسب القياس: %4.</numerusform>
            <numerusform>%Ln إدخالات من %1 إلى %2. الأحدث: %3، والشكل بحسب القياس: %4.</numerusform>
            <numerusform>%Ln إدخالًا من %1 إلى %2. الأحدث: %3، والشكل بحسب القياس: %4.</numerusform>
            <numerusform>%Ln إدخال من %1 إلى %2. الأحدث: %3، والشكل بحسب القياس: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryFiles</name>
    <message>
        <source>Line %1 does not hold eight fields separated by commas.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>لا يحتوي السطر %1 على ثمانية حقول تفصل بينها فواصل.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a date written as 2026-12-07.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 7.12.2026</extracomment>
        <translation>السطر %1: «%2» ليس تاريخًا مكتوبًا بالشكل 2026-12-07.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a length in centimetres written as 90.5.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. 90,5</extracomment>
        <translation>السطر %1: «%2» ليس طولًا بالسنتيمتر مكتوبًا بالشكل 90.5.</translation>
    </message>
    <message>
        <source>Line %1 opens quotation marks that are never closed.</source>
        <extracomment>%1 is a line number in the file, e.g. 3</extracomment>
        <translation>في السطر %1 علامة تنصيص تُفتح ولا تُغلق.</translation>
    </message>
    <message>
        <source>This is not a history exported by ZV Tamsilo: its first line is not %1.</source>
        <extracomment>%1 is the first line such a file has: date,bust_cm,...</extracomment>
        <translation>هذا الملف ليس سجلًّا صدّره ZV Tamsilo، فسطره الأول ليس ‎%1‎.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is none of the shapes a CSV file names: %3.</source>
        <extracomment>%1 is a line number in the file, e.g. 3; %2 is what the line has, e.g. Pear; %3 lists the shapes&apos; keywords in the file, English in every language: Ruler, Hourglass, Spoon, Cone</extracomment>
        <translation>السطر %1: «%2» ليس أيًّا من الأشكال التي يسمّيها ملف CSV: %3.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>entry %1 holds what no measurement is</source>
        <extracomment>%1 is the number of an entry in the history file, e.g. 12</extracomment>
        <translation>في الإدخال %1 قيمة لا تصلح قياسًا</translation>
    </message>
    <message>
        <source>The file %1 is not a history of ZV Tamsilo, so it is left as it is. To keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>الملف ‎%1‎ ليس سجلًّا من ZV Tamsilo، لذا يُترك كما هو. ولتبدأ سجلًّا جديدًا، انقل هذا الملف إلى مكان آخر.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of ZV Tamsilo, so this version leaves it as it is.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>كتب السجلَّ ‎%1‎ إصدارٌ أحدث من ZV Tamsilo، لذا يتركه هذا الإصدار كما هو.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read (%2). Nothing in it has been changed.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. disk I/O error</extracomment>
        <translation>تتعذّر قراءة السجلّ ‎%1‎ (%2). لم يتغيّر فيه شيء.</translation>
    </message>
    <message>
        <source>The history %1 is damaged and cannot be read (%2). It is left as it is; to keep a new history, move that file elsewhere.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the database said, e.g. file is not a database</extracomment>
        <translation>السجلّ ‎%1‎ تالف وتتعذّر قراءته (%2). سيُترك كما هو؛ ولتبدأ سجلًّا جديدًا، انقل هذا الملف إلى مكان آخر.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2). Everything kept before is still there.</source>
        <extracomment>%1 is the file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite; %2 is what the system said, e.g. attempt to write a readonly database</extracomment>
        <translation>تتعذّر الكتابة في السجلّ ‎%1‎ (%2). كل ما حُفظ من قبل لا يزال فيه.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>تعذّر إنشاء مجلده</translation>
    </message>
    <message>
        <source>the module %1 cannot be loaded</source>
        <extracomment>Said within brackets after &quot;cannot be read&quot; or &quot;cannot be written&quot;; %1 is the name of the part of the program that reads and writes the history, zv-tamsilo-history</extracomment>
        <translation>تعذّر تحميل الوحدة %1</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>My History</source>
        <translation>سجلّي</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>الوحدة:</translation>
    </message>
    <message>
        <source>Ce&amp;ntimetres</source>
        <translation>&amp;سنتيمتر</translation>
    </message>
    <message>
        <source>Inc&amp;hes</source>
        <translation>&amp;بوصة</translation>
    </message>
    <message>
        <source>Entries kept</source>
        <translation>الإدخالات المحفوظة</translation>
    </message>
    <message>
        <source>Chart of the four measurements over time</source>
        <translation>مخطط القياسات الأربعة عبر الزمن</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;حذف…</translation>
    </message>
    <message>
        <source>Delete &amp;All…</source>
        <translation>حذف ال&amp;كل…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;تصدير…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;استيراد…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Kept here is what you kept with &quot;Keep in My History&quot; in Measure My Shape, and nothing else: the date, the four measurements and the height as you typed them, their unit, and the shapes the tape measure and your answers gave. It stays on this computer, in %1. Delete All removes that file.</source>
        <extracomment>%1 is the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>هنا ما حفظته بزر «حفظ في سجلّي» في نافذة «قياس شكل جسمي»، ولا شيء غيره: التاريخ، والقياسات الأربعة والطول كما أدخلتها، ووحدتها، والشكلان اللذان أعطاهما شريط القياس وإجاباتك. ويبقى كل ذلك على هذا الحاسوب، في ‎%1‎. وزر «حذف الكل» يحذف هذا الملف.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Tape measure</source>
        <translation>شريط القياس</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <extracomment>%Ln is the number of entries kept, e.g. 3</extracomment>
        <translation>
            <numerusform>لا إدخالات</numerusform>
            <numerusform>إدخال واحد</numerusform>
            <numerusform>إدخالان</numerusform>
            <numerusform>%Ln إدخالات</numerusform>
            <numerusform>%Ln إدخالًا</numerusform>
            <numerusform>%Ln إدخال</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the entry of %1 from My History? It cannot be brought back.</source>
        <extracomment>%1 is the entry&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>هل تريد حذف إدخال يوم %1 من «سجلّي»؟ لا يمكن استرجاعه بعد ذلك.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %Ln entries of My History? The file %1 is removed and cannot be brought back.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the history file, e.g. /home/anna/.local/share/zv-tamsilo/history.sqlite</extracomment>
        <translation>
            <numerusform>هل تريد حذف «سجلّي»؟ سيُحذف الملف ‎%1‎ ولا يمكن استرجاعه.</numerusform>
            <numerusform>هل تريد حذف الإدخال الوحيد في «سجلّي»؟ سيُحذف الملف ‎%1‎ ولا يمكن استرجاعه.</numerusform>
            <numerusform>هل تريد حذف الإدخالين كليهما من «سجلّي»؟ سيُحذف الملف ‎%1‎ ولا يمكن استرجاعه.</numerusform>
            <numerusform>هل تريد حذف إدخالات «سجلّي» كلها، وعددها %Ln؟ سيُحذف الملف ‎%1‎ ولا يمكن استرجاعه.</numerusform>
            <numerusform>هل تريد حذف إدخالات «سجلّي» كلها، وعددها %Ln؟ سيُحذف الملف ‎%1‎ ولا يمكن استرجاعه.</numerusform>
            <numerusform>هل تريد حذف إدخالات «سجلّي» كلها، وعددها %Ln؟ سيُحذف الملف ‎%1‎ ولا يمكن استرجاعه.</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>ملف CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON file (*.json)</source>
        <translation>ملف JSON (*.json)</translation>
    </message>
    <message>
        <source>Export My History</source>
        <translation>تصدير سجلّي</translation>
    </message>
    <message>
        <source>My History could not be exported to %1: %2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 what the system said, e.g. Permission denied</extracomment>
        <translation>تعذّر تصدير «سجلّي» إلى ‎%1‎: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries exported to %1.</source>
        <extracomment>%Ln is the number of entries, e.g. 3; %1 the file, e.g. /home/anna/my-history.csv</extracomment>
        <translation>
            <numerusform>لم يُصدَّر أي إدخال إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر إدخال واحد إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر إدخالان إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّرت %Ln إدخالات إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر %Ln إدخالًا إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر %Ln إدخال إلى ‎%1‎.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import into My History</source>
        <translation>استيراد إلى سجلّي</translation>
    </message>
    <message>
        <source>It is larger than any history.</source>
        <translation>حجم الملف أكبر من أي سجلّ ممكن.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.

%2</source>
        <extracomment>%1 is the file chosen, e.g. /home/anna/my-history.csv; %2 why, e.g. Line 3: &quot;7.12.2026&quot; is not a date written as 2026-12-07. (or the system&apos;s own words, e.g. Permission denied)</extracomment>
        <translation>لم يُستورد شيء من ‎%1‎.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries added to My History.</source>
        <extracomment>%Ln is the number of entries added, e.g. 2; those already kept are not added again</extracomment>
        <translation>
            <numerusform>لم يُضَف أي إدخال إلى «سجلّي».</numerusform>
            <numerusform>أُضيف إدخال واحد إلى «سجلّي».</numerusform>
            <numerusform>أُضيف إدخالان إلى «سجلّي».</numerusform>
            <numerusform>أُضيفت %Ln إدخالات إلى «سجلّي».</numerusform>
            <numerusform>أُضيف %Ln إدخالًا إلى «سجلّي».</numerusform>
            <numerusform>أُضيف %Ln إدخال إلى «سجلّي».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepInHistory</name>
    <message>
        <source>Type all four measurements, each one a tape can measure, before you keep them.</source>
        <translation>أدخل القياسات الأربعة كلها، كلٌّ منها بطول يمكن أن يقيسه الشريط، قبل أن تحفظها.</translation>
    </message>
    <message>
        <source>The height is not a number: correct it or leave it empty before you keep the measurements.</source>
        <translation>الطول ليس رقمًا: صحّحه أو اتركه فارغًا قبل أن تحفظ القياسات.</translation>
    </message>
    <message>
        <source>Kept in My History under %1. File &gt; My History… on the welcome window or the results page shows it.</source>
        <extracomment>%1 is today&apos;s date, e.g. 07/12/2026</extracomment>
        <translation>حُفظت القياسات في «سجلّي» بتاريخ %1. تجدها في «ملف &gt; سجلّي…» في نافذة الترحيب أو في صفحة النتائج.</translation>
    </message>
</context>
<context>
    <name>MeasureGuide</name>
    <message>
        <source>How to Measure</source>
        <translation>طريقة القياس</translation>
    </message>
    <message>
        <source>Use a soft tape over light clothing or none, in front of a mirror. Two readings of the same tape often differ by up to 2 cm (0.8 in), and a waist measured on oneself tends to come out about 1 cm (0.4 in) small, so measure each one twice.</source>
        <extracomment>Below the four tapes of the measuring guide. Some 0.2 to 1.9 cm between two readings of the same tape, and self-measured waists 0.8 cm short, are what studies found.</extracomment>
        <translation>استخدم شريط قياس مرنًا فوق ملابس خفيفة أو على الجلد مباشرة، أمام مرآة. كثيرًا ما تختلف قراءتان للموضع نفسه بما يصل إلى ٢&#xa0;سم (٠٫٨&#xa0;بوصة)، والخصر الذي يقيسه المرء بنفسه يأتي عادةً أصغر بنحو ١&#xa0;سم (٠٫٤&#xa0;بوصة)، لذا قِس كل موضع مرتين.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Feel for your nipples and run the tape around the fullest part of your chest at that level, under your arms and level across your back. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the bust: tooltip of the bust field and its line in the guide. The nipples are the landmark a person finds by touch, whatever the body.</extracomment>
        <translation>تحسّس موضع الحلمتين ولُفّ الشريط حول أبرز جزء من صدرك عند مستواهما، تحت الإبطين وأفقيًّا على ظهرك. أبقِه ملاصقًا دون ضغط، واقرأ القياس مع الزفير.</translation>
    </message>
    <message>
        <source>Find the narrowest part between your lowest rib and the top of your hip bone, usually just above the navel, and run the tape around it, level all round. Read it as you breathe out, without pulling the tape tight or holding your stomach in.</source>
        <extracomment>Where the tape goes for the waist: tooltip of the waist field and its line in the guide. People measuring themselves tend to pull the tape tight or hold the stomach in.</extracomment>
        <translation>حدّد أنحف جزء بين أسفل الأضلاع وأعلى عظم الحوض، ويكون عادةً فوق السرّة مباشرة، ولُفّ الشريط حوله أفقيًّا من كل الجهات. اقرأ القياس مع الزفير، دون أن تشدّ الشريط أو تسحب بطنك إلى الداخل.</translation>
    </message>
    <message>
        <source>Feel for the bony points at the front of your hips and run the tape around you across them, level all round, just below your waist. Keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the high hip: the front points of the hip bones, which can be felt with the fingers just below the waist. Tooltip of the field and its guide line.</extracomment>
        <translation>تحسّس النتوءين العظميين في مقدمة وركيك، ولُفّ الشريط حولك مارًّا بهما وأفقيًّا من كل الجهات، أسفل خصرك مباشرة. أبقِه ملاصقًا دون ضغط، واقرأ القياس مع الزفير.</translation>
    </message>
    <message>
        <source>Feel for the bony bump at the side of each hip, at the top of the thigh, and run the tape around the widest part of your hips and buttocks there, level all round. Stand with your feet together, keep it snug without pressing, and read it as you breathe out.</source>
        <extracomment>Where the tape goes for the hips: the bony bump at the side of each hip, at the top of the thigh (the greater trochanter). Tooltip of the hips field and its guide line.</extracomment>
        <translation>تحسّس النتوء العظمي على جانب كل ورك عند أعلى الفخذ، ولُفّ الشريط هناك حول أعرض جزء من وركيك وأردافك، أفقيًّا من كل الجهات. قف وقدماك متلاصقتان، وأبقِ الشريط ملاصقًا دون ضغط، واقرأ القياس مع الزفير.</translation>
    </message>
    <message>
        <source>A figure with the tape around the fullest part of the bust</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the bust measurement.</extracomment>
        <translation>رسم يُظهر الشريط حول أبرز جزء من الصدر</translation>
    </message>
    <message>
        <source>A figure with the tape around the narrowest part of the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the waist measurement.</extracomment>
        <translation>رسم يُظهر الشريط حول أنحف جزء من الخصر</translation>
    </message>
    <message>
        <source>A figure with the tape across the hip bones, just below the waist</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the high hip measurement.</extracomment>
        <translation>رسم يُظهر الشريط مارًّا بعظمَي الورك أسفل الخصر مباشرة</translation>
    </message>
    <message>
        <source>A figure with the tape around the widest part of the hips</source>
        <extracomment>What a screen reader says for the guide&apos;s picture of the hips measurement.</extracomment>
        <translation>رسم يُظهر الشريط حول أعرض جزء من الورك</translation>
    </message>
</context>
<context>
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <extracomment>%1 is a length in inches, e.g. 35.5</extracomment>
        <translation>%1&#xa0;بوصة</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <extracomment>%1 is a length in centimetres, e.g. 90.5</extracomment>
        <translation>%1&#xa0;سم</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>لا شكل من الأشكال الأربعة</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is one of the program&apos;s four shapes, %2 the figure type the rules found, e.g. Spoon (triangle)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <extracomment>%1 is the bust&apos;s length, e.g. 90.5 cm</extracomment>
        <translation>الصدر: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <extracomment>%1 is the waist&apos;s length, e.g. 70 cm</extracomment>
        <translation>الخصر: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <extracomment>%1 is the high hip&apos;s length, e.g. 80 cm</extracomment>
        <translation>أعلى الورك: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
        <extracomment>%1 is the hips&apos; length, e.g. 99.5 cm</extracomment>
        <translation>الورك: %1</translation>
    </message>
    <message>
        <source>Bust</source>
        <translation>الصدر</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>الخصر</translation>
    </message>
    <message>
        <source>High hip</source>
        <translation>أعلى الورك</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>الورك</translation>
    </message>
    <message>
        <source>Type all four measurements to see the shape they give.</source>
        <translation>أدخل القياسات الأربعة كلها لترى الشكل الذي تعطيه.</translation>
    </message>
    <message>
        <source>Measured shape: %1</source>
        <extracomment>%1 is the shape the measurements give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>الشكل بحسب القياس: %1</translation>
    </message>
    <message>
        <source>Your two bust readings differ by %1: measure your bust once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>تختلف قراءتا الصدر بمقدار %1: قِس صدرك مرة أخرى.</translation>
    </message>
    <message>
        <source>Your two waist readings differ by %1: measure your waist once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>تختلف قراءتا الخصر بمقدار %1: قِس خصرك مرة أخرى.</translation>
    </message>
    <message>
        <source>Your two high hip readings differ by %1: measure your high hip once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>تختلف قراءتا أعلى الورك بمقدار %1: قِس أعلى الورك مرة أخرى.</translation>
    </message>
    <message>
        <source>Your two hip readings differ by %1: measure your hips once more.</source>
        <extracomment>%1 is how far apart the two readings are, e.g. 1.6 cm</extracomment>
        <translation>تختلف قراءتا الورك بمقدار %1: قِس وركك مرة أخرى.</translation>
    </message>
    <message>
        <source>high hip ÷ waist</source>
        <translation>أعلى الورك ÷ الخصر</translation>
    </message>
    <message>
        <source>bust − hips</source>
        <translation>الصدر − الورك</translation>
    </message>
    <message>
        <source>hips − bust</source>
        <translation>الورك − الصدر</translation>
    </message>
    <message>
        <source>bust − waist</source>
        <translation>الصدر − الخصر</translation>
    </message>
    <message>
        <source>hips − waist</source>
        <translation>الورك − الخصر</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <extracomment>%1 is a limit of the rules in centimetres, %2 the same in inches, e.g. 9.144 cm = 3.6 in</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>under %1</source>
        <extracomment>%1 is a limit, e.g. 3.6 in</extracomment>
        <translation>أقل من %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <extracomment>%1 is a limit, e.g. 1 in</extracomment>
        <translation>%1 على الأكثر</translation>
    </message>
    <message>
        <source>over %1</source>
        <extracomment>%1 is a limit, e.g. 2 in</extracomment>
        <translation>أكثر من %1</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>%1 is a limit, e.g. 9 in</extracomment>
        <translation>%1 على الأقل</translation>
    </message>
    <message>
        <source>over %1 and under %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and under 10 in</extracomment>
        <translation>أكثر من %1 وأقل من %2</translation>
    </message>
    <message>
        <source>over %1 and at most %2</source>
        <extracomment>%1 and %2 are limits, e.g. over 1 in and at most 10 in</extracomment>
        <translation>أكثر من %1 و%2 على الأكثر</translation>
    </message>
    <message>
        <source>from %1 to under %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to under 10 in</extracomment>
        <translation>من %1 إلى أقل من %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>%1 and %2 are limits, e.g. from 3.6 in to 10 in</extracomment>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>%1 is what is compared, %2 its value, %3 the limit it meets, e.g. hips − bust 3 in (over 2 in)</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 %2 (here %3)</source>
        <extracomment>%1 is what is compared, %2 the limit it must meet, %3 its value, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>%1 %2 (القيمة هنا %3)</translation>
    </message>
    <message>
        <source>%1 as well as %2, either enough</source>
        <extracomment>%1 and %2 are two conditions of which either is enough, e.g. bust − waist 10 in (at least 9 in) and hips − waist 11 in (at least 10 in)</extracomment>
        <translation>%1، وكذلك %2، وأيٌّ منهما يكفي</translation>
    </message>
    <message>
        <source>%1, enough though %2 is %3</source>
        <extracomment>%1 is the condition that holds, e.g. hips − waist 11.5 in (at least 10 in); %2 the other, which does not, e.g. bust − waist 8 in; %3 how it misses, e.g. under 9 in</extracomment>
        <translation>%1، وهذا يكفي وإن كان %2 %3</translation>
    </message>
    <message>
        <source>No figure rule covers these measurements. The nearest rule (%1) needs %2.</source>
        <extracomment>%1 is the figure type whose rule comes nearest, e.g. bottom hourglass; %2 what it needs, e.g. hips − bust under 10 in (here 10 in)</extracomment>
        <translation>لا تنطبق أي قاعدة من قواعد القوام على هذه القياسات. وأقرب قاعدة (%1) تتطلب %2.</translation>
    </message>
    <message>
        <source>Decided by %1.</source>
        <extracomment>%1 lists the conditions that decided the shape, e.g. hips − bust 3 in (over 2 in) and hips − waist 7 in (at least 7 in)</extracomment>
        <translation>حُسمت النتيجة بناءً على: %1.</translation>
    </message>
    <message>
        <source>Waist-to-hip ratio %1: for women, WHO (2008) takes %2 or more as a raised health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ hips, e.g. 0.78; %2 the threshold, 0.85</extracomment>
        <translation>نسبة الخصر إلى الورك: %1. تعدّ منظمة الصحة العالمية (٢٠٠٨) النسبة %2 فأكثر لدى النساء مؤشرًا على خطر صحي متزايد.</translation>
    </message>
    <message>
        <source>Waist-to-height ratio %1: NICE (2022) takes %2 or more as a raised and %3 or more as a high health risk.</source>
        <extracomment>%1 is the person&apos;s waist ÷ height, e.g. 0.45; %2 and %3 the thresholds, 0.5 and 0.6</extracomment>
        <translation>نسبة الخصر إلى الطول: %1. يعدّ معهد NICE البريطاني (٢٠٢٢) النسبة %2 فأكثر مؤشرًا على خطر صحي متزايد، و%3 فأكثر مؤشرًا على خطر صحي مرتفع.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الطول</translation>
    </message>
    <message numerus="yes">
        <source>Not numbers: %1.</source>
        <extracomment>%n is how many fields hold no number, e.g. 2; %1 names them, e.g. bust and hips</extracomment>
        <translation>
            <numerusform>القيم ليست أرقامًا: %1.</numerusform>
            <numerusform>القيمة ليست رقمًا: %1.</numerusform>
            <numerusform>القيمتان ليستا رقمين: %1.</numerusform>
            <numerusform>القيم ليست أرقامًا: %1.</numerusform>
            <numerusform>القيم ليست أرقامًا: %1.</numerusform>
            <numerusform>القيم ليست أرقامًا: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than three decimals: %1. Type lengths to three at most.</source>
        <extracomment>%n is how many fields hold a length with four decimals or more, e.g. 2; %1 names them, e.g. high hip and hips</extracomment>
        <translation>
            <numerusform>أكثر من ثلاث منازل عشرية: %1. أدخل قياسات بثلاث منازل عشرية على الأكثر.</numerusform>
            <numerusform>أكثر من ثلاث منازل عشرية: %1. أدخل قياسًا بثلاث منازل عشرية على الأكثر.</numerusform>
            <numerusform>أكثر من ثلاث منازل عشرية: %1. أدخل قياسين بثلاث منازل عشرية على الأكثر.</numerusform>
            <numerusform>أكثر من ثلاث منازل عشرية: %1. أدخل قياسات بثلاث منازل عشرية على الأكثر.</numerusform>
            <numerusform>أكثر من ثلاث منازل عشرية: %1. أدخل قياسات بثلاث منازل عشرية على الأكثر.</numerusform>
            <numerusform>أكثر من ثلاث منازل عشرية: %1. أدخل قياسات بثلاث منازل عشرية على الأكثر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 cm.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 40 and 250</extracomment>
        <translation>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;سم.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;سم.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;سم.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;سم.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;سم.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;سم.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Out of range: %1. Measure between %2 and %3 in.</source>
        <extracomment>%n is how many fields hold a length no tape measures, e.g. 2; %1 names them, e.g. bust and high hip; %2 and %3 are the shortest and longest length, 15.75 and 98.42</extracomment>
        <translation>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;بوصة.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;بوصة.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;بوصة.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;بوصة.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;بوصة.</numerusform>
            <numerusform>خارج النطاق: %1. يُرجى القياس بين %2 و%3&#xa0;بوصة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the bust would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>نتيجة حدّية: أي تغيّر طفيف في محيط الصدر يجعل النتيجة: %1. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the waist would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>نتيجة حدّية: أي تغيّر طفيف في محيط الخصر يجعل النتيجة: %1. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the high hip would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>نتيجة حدّية: أي تغيّر طفيف في محيط أعلى الورك يجعل النتيجة: %1. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: the slightest change at the hips would give: %1. Measure again.</source>
        <extracomment>%1 is the shape a tiny change would give, e.g. Spoon (bottom hourglass), or none of the four</extracomment>
        <translation>نتيجة حدّية: أي تغيّر طفيف في محيط الورك يجعل النتيجة: %1. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو زاد محيط الصدر بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو نقص محيط الصدر بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو زاد محيط الخصر بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو نقص محيط الخصر بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو زاد محيط أعلى الورك بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو نقص محيط أعلى الورك بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much more, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو زاد محيط الورك بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would give: %2. Measure again.</source>
        <extracomment>%1 is how much less, e.g. 0.35 in; %2 the shape it would give, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة حدّية: لو نقص محيط الورك بمقدار %1 لكانت النتيجة: %2. يُرجى إعادة القياس.</translation>
    </message>
    <message>
        <source>Steady: every tape up to %1 off still gives: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the shape, e.g. Spoon, or none of the four</extracomment>
        <translation>نتيجة ثابتة: حتى لو أخطأ كل قياس بما يصل إلى %1 تبقى النتيجة: %2.</translation>
    </message>
    <message>
        <source>Not steady: with every tape up to %1 off it could also give: %2.</source>
        <extracomment>%1 is how far off each tape may be, e.g. 1 cm; %2 the other shapes, e.g. Hourglass or Ruler</extracomment>
        <translation>نتيجة غير ثابتة: لو أخطأ كل قياس بما يصل إلى %1 فقد تكون النتيجة أيضًا: %2.</translation>
    </message>
    <message>
        <source>Your answers tied: %1.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>تعادلت إجاباتك بين %1.</translation>
    </message>
    <message>
        <source>Your answers: %1.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>تشير إجاباتك إلى: %1.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon</extracomment>
        <translation>تعادلت إجاباتك بين %1. أما شريط القياس فلا يجد أيًّا من الأشكال الأربعة.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure finds none of the four.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>تشير إجاباتك إلى: %1. أما شريط القياس فلا يجد أيًّا من الأشكال الأربعة.</translation>
    </message>
    <message>
        <source>Your answers tied: %1. The tape measure says: %2.</source>
        <extracomment>%1 lists the shapes the answers tied, e.g. Ruler and Spoon; %2 the shape the tape measure gave, e.g. Cone</extracomment>
        <translation>تعادلت إجاباتك بين %1. أما شريط القياس فيشير إلى: %2.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure agrees.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>تشير إجاباتك إلى: %1. وشريط القياس يوافقها.</translation>
    </message>
    <message>
        <source>Your answers: %1. The tape measure says otherwise.</source>
        <extracomment>%1 is the shape the answers gave, e.g. Spoon</extracomment>
        <translation>تشير إجاباتك إلى: %1. أما شريط القياس فيشير إلى غير ذلك.</translation>
    </message>
    <message>
        <source>bust</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>الصدر</translation>
    </message>
    <message>
        <source>waist</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not a number: waist</extracomment>
        <translation>الخصر</translation>
    </message>
    <message>
        <source>high hip</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and high hip</extracomment>
        <translation>أعلى الورك</translation>
    </message>
    <message>
        <source>hips</source>
        <extracomment>a measurement named in a list after a colon, e.g. Not numbers: bust and hips</extracomment>
        <translation>الورك</translation>
    </message>
    <message>
        <source>height</source>
        <extracomment>the person&apos;s height named in a list after a colon, e.g. Out of range: height</extracomment>
        <translation>الطول</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>inches written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>بوصة</translation>
    </message>
    <message>
        <source>cm</source>
        <extracomment>centimetres written short, alone above the scale of My History&apos;s chart</extracomment>
        <translation>سم</translation>
    </message>
</context>
<context>
    <name>MeasureShapeWindow</name>
    <message>
        <source>Measure My Shape</source>
        <translation>قياس شكل جسمي</translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation>قياساتك</translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation>ال&amp;صدر</translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation>حول أبرز جزء من الصدر، مع إبقاء الشريط أفقيًّا</translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation>ال&amp;خصر</translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation>حول أنحف جزء من الخصر</translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation>أ&amp;على الورك</translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation>ال&amp;ورك</translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation>حول أعرض جزء من الورك والأرداف</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>الوحدة:</translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation>سنتيمتر</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>بوصة</translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation>بحسب شريط القياس</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>لماذا هذه الأر&amp;بعة؟</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <extracomment>%1 is the shape the tape measure gave, e.g. Spoon (triangle)</extracomment>
        <translation>شريط القياس: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>تصنّف قواعد القوام المنشورة أربعة قياسات بشريط القياس في سبعة أنواع من القوام: الساعة الرملية، والساعة الرملية العلوية، والساعة الرملية السفلية، والملعقة، والمثلث، والمثلث المقلوب، والمستطيل. ويعرف هذا البرنامج أربعة أشكال، لذا يُعرض كل نوع على أنه الشكل الذي يطابق وصفُه هذا النوع.

الساعة الرملية: الساعة الرملية والساعة الرملية العلوية، لخصرهما المحدد الذي ينفيه وصف المثلث المقلوب.
الكمثرى: الساعة الرملية السفلية والملعقة والمثلث، والورك فيها أعرض من الصدر كما في وصف الكمثرى.
المثلث المقلوب: المثلث المقلوب، والصدر فيه أعرض من الورك.
المستطيل: المستطيل، وفيه الصدر والخصر والورك متقاربة.

هذه القواعد منشورة، لكنها لم تُختبر على مسوح ضوئية للجسم: فقد يغيّر سنتيمتر واحد في أحد القياسات النوع، لذا خذ النتيجة على سبيل الاسترشاد.</translation>
    </message>
    <message>
        <source>&amp;Keep in My History</source>
        <translation>&amp;حفظ في سجلّي</translation>
    </message>
    <message>
        <source>One to three readings</source>
        <translation>من قراءة إلى ثلاث قراءات</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>ال&amp;طول</translation>
    </message>
    <message>
        <source>Optional, for the waist-to-height ratio</source>
        <translation>اختياري، لنسبة الخصر إلى الطول</translation>
    </message>
    <message>
        <source>&amp;Put my measurements and shape on the result card</source>
        <translation>إ&amp;ضافة قياساتي وشكل جسمي إلى بطاقة النتيجة</translation>
    </message>
    <message>
        <source>Nothing you type here is kept unless you press Keep in My History, and nothing is sent anywhere.</source>
        <translation>لا يُحفظ شيء مما تدخله هنا إلا إذا ضغطت «حفظ في سجلّي»، ولا يُرسَل أي شيء إلى أي مكان.</translation>
    </message>
    <message>
        <source>How to &amp;measure</source>
        <translation>طريقة ال&amp;قياس</translation>
    </message>
    <message>
        <source>%1, second reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1، القراءة الثانية</translation>
    </message>
    <message>
        <source>%1, third reading</source>
        <extracomment>%1 names a measurement, e.g. Waist</extracomment>
        <translation>%1، القراءة الثالثة</translation>
    </message>
    <message>
        <source>Across the bony points at the front of the hips, just below the waist</source>
        <translation>مرورًا بالنتوءين العظميين في مقدمة الورك، أسفل الخصر مباشرة</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ResultCard</name>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>لا إجابات</numerusform>
            <numerusform>إجابة واحدة</numerusform>
            <numerusform>إجابتان</numerusform>
            <numerusform>%Ln إجابات</numerusform>
            <numerusform>%Ln إجابةً</numerusform>
            <numerusform>%Ln إجابة</numerusform>
        </translation>
    </message>
    <message>
        <source>Body shape result</source>
        <translation>نتيجة شكل الجسم</translation>
    </message>
    <message>
        <source>Body shape result for %1</source>
        <extracomment>The card&apos;s title: %1 is the person&apos;s first name as typed, e.g. ANNA. Put the name where no ending or preposition must agree with it, e.g. &quot;Body shape result: %1&quot;.</extracomment>
        <translation>نتيجة شكل الجسم: %1</translation>
    </message>
    <message>
        <source>Your body shape is</source>
        <extracomment>A heading: the shape&apos;s name follows on a line of its own in large letters, e.g. Spoon</extracomment>
        <translation>شكل جسمك</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <translation>مشاهير لهم هذا الشكل</translation>
    </message>
    <message>
        <source>About this shape</source>
        <translation>عن هذا الشكل</translation>
    </message>
    <message>
        <source>How your answers counted</source>
        <translation>كيف احتُسبت إجاباتك</translation>
    </message>
    <message>
        <source>Each of the four answers counted toward one shape.</source>
        <translation>احتُسبت كل إجابة من الإجابات الأربع لشكل واحد.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>حصل الشكل «%1» على أكبر عدد من الإجابات.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>عند التعادل يفوز أول شكل بهذا الترتيب: المستطيل، الساعة الرملية، الكمثرى، المثلث المقلوب.</translation>
    </message>
    <message>
        <source>What the tape measure said</source>
        <translation>ما قاله شريط القياس</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>صورة PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>مستند PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation>حفظ النتيجة باسم</translation>
    </message>
    <message>
        <source>The result could not be saved as &quot;%1&quot;.

%2</source>
        <extracomment>%1 is the file&apos;s full path, e.g. /home/anna/Documents/Body shape result.pdf; %2 is the system&apos;s reason, e.g. &quot;Permission denied&quot;</extracomment>
        <translation>تعذّر حفظ النتيجة باسم «%1».

%2</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>طباعة النتيجة</translation>
    </message>
    <message>
        <source>The result could not be printed.</source>
        <translation>تعذّرت طباعة النتيجة.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>تعذّر رسم البطاقة.</translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>تعادل %1، ولا إجابة لأيٍّ منها.</numerusform>
            <numerusform>تعادل %1، ولكلٍّ منها إجابة واحدة.</numerusform>
            <numerusform>تعادل %1، ولكلٍّ منها إجابتان.</numerusform>
            <numerusform>تعادل %1، ولكلٍّ منها %Ln إجابات.</numerusform>
            <numerusform>تعادل %1، ولكلٍّ منها %Ln إجابةً.</numerusform>
            <numerusform>تعادل %1، ولكلٍّ منها %Ln إجابة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass or Ruler</extracomment>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Names of which any one may hold, e.g. Hourglass, Ruler or Cone</extracomment>
        <translation>%1 أو %2 أو %3</translation>
    </message>
    <message>
        <source>%1, %2, %3 or %4</source>
        <extracomment>Names of which any one may hold, e.g. Ruler, Hourglass, Cone or none of the four</extracomment>
        <translation>%1 أو %2 أو %3 أو %4</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Two lines of a Yes/No question; keep the line break between them.</extracomment>
        <translation>قد يتوفر تحديث لهذا البرنامج<byte value="xd"/>هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;حسنًا</translation>
    </message>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>أيقونة ZV Tamsilo</translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation>يساعدك ZV Tamsilo على تحليل شكل جسمك. لكل إنسان شكل جسم طبيعي، ومعرفة شكل جسمك تساعدك على فهم جسمك أكثر والعناية بكل جزء منه بما يناسبه. حقّق القوام الذي تطمح إليه بمساعدة هذا البرنامج. حقوق النشر © 2026 Zelvara Softwares. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واكسب المال عبرها. احصل على هذا البرنامج بالعلامة التجارية لموقعك كاملة.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the program&apos;s home page, e.g. http://www.example.com/</extracomment>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>أشهر منتدى نقاش عن Zelvara على الإنترنت، وأفضل مرجع لكل ما يخص Zelvara. زر %1 الآن</translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation>نتائج ZV Tamsilo</translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation>شكل جسمك:</translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation>مشاهير:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;التالي</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واكسب المال عبرها. احصل على هذا البرنامج بالعلامة التجارية لموقعك كاملة. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع علامة موقعك على هذا البرنامج، وزد ولاء زوارك وعددهم. ضع اسم موقعك ورابطه هنا، والتفاصيل في «تعليمات». انقر هنا لمعرفة المزيد عن العلامة المشتركة.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;قياس شكل جسمي…</translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation>حفظ النتيجة &amp;باسم…</translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation>&amp;طباعة النتيجة…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>تعليمات على الإ&amp;نترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زيارة موقعنا</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>البحث عن ت&amp;حديث</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;عن البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>تبرّ&amp;ع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ا&amp;كسب المال عبر الإنترنت</translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <extracomment>What a screen reader says for the result&apos;s picture: %1 is the shape&apos;s name, e.g. Spoon. Keep the name where grammar need not agree with it, e.g. &quot;Silhouette of the shape «%1»&quot;.</extracomment>
        <translation>صورة ظلية لشكل الجسم «%1»</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>&amp;سجلّي…</translation>
    </message>
    <message>
        <source>Your body shape</source>
        <extracomment>What a screen reader calls the shape&apos;s name on the results page.</extracomment>
        <translation>شكل جسمك</translation>
    </message>
    <message>
        <source>Well-known people of this shape</source>
        <extracomment>What a screen reader calls the list of people on the results page.</extracomment>
        <translation>مشاهير لهم هذا الشكل</translation>
    </message>
    <message>
        <source>About this shape</source>
        <extracomment>What a screen reader calls the shape&apos;s description on the results page.</extracomment>
        <translation>عن هذا الشكل</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3</source>
        <extracomment>What a screen reader says for a page&apos;s answers. %1 is the question&apos;s number, e.g. 2; %2 is how many questions there are, 4; %3 is the question, e.g. &quot;Which part of your body are you thinnest at?&quot;</extracomment>
        <translation>السؤال %1 من %2: %3</translation>
    </message>
    <message>
        <source>Your body shape: %1. %2</source>
        <extracomment>What a screen reader says on the results page. %1 is the shape&apos;s name, e.g. Spoon; %2 is the shape&apos;s description, a paragraph of several sentences.</extracomment>
        <translation>شكل جسمك: %1. %2</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation>أيقونة ZV Tamsilo</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>انقر هنا لزيارة %1 الآن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>رشّح البرنامج لصديق</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>بريد صديقك الإلكتروني</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>ر&amp;شّحه لصديق الآن</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation>تنزيل برامج Zelvara Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>إن أعجبك هذا البرنامج فستهمّك حتمًا برامجنا الأخرى من Zelvara Softwares. بدأنا ببرنامج واحد، وأصبحنا اليوم أكبر مصدر لبرامج zelvara في العالم. من الأبراج والحدس إلى التاروت وعلم الأعداد والغيبيات، لدينا برامج في كل المجالات تمنح مستخدمينا خيارات واسعة تناسب اهتماماتهم.
كل برامج مجموعة Zelvara Softwares بسيطة وسهلة الاستخدام، وهي ممتعة ومفيدة في آن واحد. جرّبها اليوم وشارك تجربتك مع أصدقائك وعائلتك. </translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation>انقر هنا لزيارة Zelvara Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافة</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>بريد صديقك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال بريد صديقك الإلكتروني</translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation>لا يمكن إنشاء برامج Zelvara Softwares مثل هذا البرنامج وصيانتها إلا بدعمك. وأفضل طريقة لدعم Zelvara هي زيارتها بانتظام والمشاركة في النقاشات والأنشطة الأخرى في المنتدى.</translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation>زر Zelvara بانتظام، وادعمها بالمشاركة في النقاشات والأنشطة الأخرى. فلا يمكن دعم هذه البرامج وصيانتها من دون زياراتك المنتظمة لـ Zelvara</translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation>Zelvara منتدى نقاش مجاني على الإنترنت لكل ما يخص zelvara. ولمساعدة Zelvara على تطوير هذا البرنامج وصيانته، زرها بانتظام.</translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation>تحتاج Zelvara إلى مساعدتك. كل ما عليك هو زيارة Zelvara بانتظام والمشاركة في النقاشات والأنشطة المختلفة لتساعدنا على صيانة برامج Zelvara Softwares وتطوير المزيد منها.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <extracomment>%1 is the name of the program maker&apos;s web site, e.g. www.example.com</extracomment>
        <translation>أشهر منتدى نقاش عن Zelvara على الإنترنت، وأفضل مرجع لكل ما يخص Zelvara. زر %1 الآن</translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation>لكل إنسان شكل جسم طبيعي. ومعرفة شكل جسمك تساعدك على فهم جسمك أكثر والعناية بكل جزء منه بما يناسبه. وللوصول إلى القوام الذي تطمح إليه، أجرِ الاختبار أدناه لتعرف شكل جسمك الآن.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>الاسم الأول</translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation>&amp;بدء اختبار شكل الجسم</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع علامة موقعك على هذا البرنامج، وزد ولاء زوارك وعددهم. ضع اسم موقعك ورابطه هنا، والتفاصيل في «تعليمات». انقر هنا لمعرفة المزيد عن العلامة المشتركة.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل: ابدأ مشروعك الخاص على الإنترنت واكسب المال عبرها. احصل على هذا البرنامج بالعلامة التجارية لموقعك كاملة. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>تعليمات على الإ&amp;نترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زيارة موقعنا</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>البحث عن ت&amp;حديث</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;عن البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>تبرّ&amp;ع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ا&amp;كسب المال عبر الإنترنت</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Refuses a character typed or pasted into the first-name box. In English the box takes A to Z only; in this language it takes A to Z and this language&apos;s own letters too (German: Ä, Ö, Ü, ß; Russian: А to Я and Ё). Say exactly that.</extracomment>
        <translation>يُرجى إدخال حروف فقط: A–Z أو الحروف العربية</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation>&amp;قياس شكل جسمي…</translation>
    </message>
    <message>
        <source>My &amp;History…</source>
        <translation>&amp;سجلّي…</translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation>أي جزء من جسمك تودّ تغييره؟</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation>الجزء العلوي</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation>الجزء السفلي</translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation>الجزءان العلوي والسفلي</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>البطن</translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation>في أي جزء من جسمك يصعب عليك إنقاص الوزن أكثر من غيره؟</translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation>أفقد الوزن بسهولة</translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation>أي جزء من جسمك هو الأنحف؟</translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation>منتصف الجسم</translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation>الجسم كله</translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation>في أي جزء من جسمك يزداد وزنك؟</translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation>البطن والأرداف</translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation>الجزءان العلوي والسفلي معًا</translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation>الورك والفخذان والأرداف</translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation>الظهر والصدر والذراعان والبطن</translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation>المستطيل</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation>في هذا الشكل يبلغ محيط الخصر من ٧٥ إلى ١٠٠٪ من محيط الورك أو الصدر، وهو شكل مستقيم الخطوط. تتوزع الدهون على الوجه والبطن والأرداف. ومن حسن حظك أن وزنك مستقر في الغالب. جسمك مستطيل الشكل. يكفيك التمرين ثلاثة أيام في الأسبوع، وتبرع في تمارين التحمّل للمسافات الطويلة. يسهل عليك إنقاص الوزن، ولا يزداد وزنك بسهولة لأن معدل الأيض لديك مرتفع. كتفاك ضيقتان. يناسبك غذاء غني بالبروتين والفواكه والخضراوات الطازجة. والجري أساسي لك. </translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation>الساعة الرملية</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation>في هذا الشكل يبلغ محيط الخصر أقل من ٧٥٪ من محيط الورك أو الصدر. تتوزع الدهون على الجزأين العلوي والسفلي من الجسم. صدرك ووركاك ويداك وأردافك عريضة، وقوامك متناسق. ركّز على التمارين التي تستهدف الفخذين والبطن والذراعين.</translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation>الكمثرى</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation>في هذا الشكل يبلغ محيط الخصر نحو ٧٠ إلى ٧٥٪ من محيط الصدر، ومحيط الورك نحو ١١٠٪ من محيط الصدر. تتركز دهون الجسم على الورك والفخذين والأرداف. أعلى بطنك وخصرك عريضان، وبطنك مسطح عادةً. الجزء العلوي من جسمك أنحف، والجزء السفلي أعرض. يلزمك تمرين للقلب والأوعية الدموية كل يوم إلى جانب رفع الأثقال. ولا تفقد الوزن بتلك السهولة. وقد تتعرض لهشاشة العظام أو الدوالي أو اضطرابات الأكل.</translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation>المثلث المقلوب</translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation>في هذا الشكل يبلغ محيط الخصر من ٧٥ إلى ١٠٠٪ من محيط الصدر، ومحيط الصدر نحو ١١٠٪ من محيط الورك، وهو شكل عريض الكتفين. تتوزع الدهون على الوجه والبطن والصدر. كتفاك عريضتان ووركاك ضيقان، ويتركز وزن كبير على أعلى ظهرك وصدرك. وقد يكون بطنك بارزًا. احرص على تجنّب إصابات الجزء السفلي من الجسم. ذراعاك وساقاك وبطنك نحيلة ومشدودة العضلات. وأنت أكثر عرضة لأمراض القلب والسكري، لذا يلزمك تمرين للقلب والأوعية الدموية كل يوم.</translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج يعمل بالفعل</translation>
    </message>
</context>
</TS>
