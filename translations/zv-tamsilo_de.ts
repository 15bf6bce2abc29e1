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
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <translation>%1&#xa0;Zoll</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 are not numbers.</source>
        <translation>%1 sind keine Zahlen.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 cm.</source>
        <translation>%1 liegt außerhalb des Bereichs: miss zwischen %2 und %3&#xa0;cm.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 cm.</source>
        <translation>%1 liegen außerhalb des Bereichs: miss zwischen %2 und %3&#xa0;cm.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 in.</source>
        <translation>%1 liegt außerhalb des Bereichs: miss zwischen %2 und %3&#xa0;Zoll.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 in.</source>
        <translation>%1 liegen außerhalb des Bereichs: miss zwischen %2 und %3&#xa0;Zoll.</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>keine der vier</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No figure rule covers hips %1 or more over the bust with a defined waist: hips − bust %2, hips − waist %3 (at least %4), high hip ÷ waist %5 (under %6).</source>
        <translation>Keine Figurregel passt zu einem Hüftumfang, der den Brustumfang um %1 oder mehr übersteigt, bei definierter Taille: Hüfte − Brust %2, Hüfte − Taille %3 (mind. %4), obere Hüfte ÷ Taille %5 (unter %6).</translation>
    </message>
    <message>
        <source>No figure rule covers a bust %1 or more over the hips with a defined waist: bust − hips %2, bust − waist %3 (at least %4).</source>
        <translation>Keine Figurregel passt zu einem Brustumfang, der den Hüftumfang um %1 oder mehr übersteigt, bei definierter Taille: Brust − Hüfte %2, Brust − Taille %3 (mind. %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), bust − waist %4 (at least %5) or hips − waist %6 (at least %7).</source>
        <translation>Entschieden durch Hüfte − Brust %1 (ab %2 bis unter %3), Brust − Taille %4 (mind. %5) oder Hüfte − Taille %6 (mind. %7).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), hips − waist %4 (at least %5) and high hip ÷ waist %6 (under %7).</source>
        <translation>Entschieden durch Hüfte − Brust %1 (ab %2 bis unter %3), Hüfte − Taille %4 (mind. %5) und obere Hüfte ÷ Taille %6 (unter %7).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (over %2 and under %3) and bust − waist %4 (at least %5).</source>
        <translation>Entschieden durch Brust − Hüfte %1 (über %2 und unter %3) und Brust − Taille %4 (mind. %5).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2), hips − waist %3 (at least %4) and high hip ÷ waist %5 (at least %6).</source>
        <translation>Entschieden durch Hüfte − Brust %1 (über %2), Hüfte − Taille %3 (mind. %4) und obere Hüfte ÷ Taille %5 (mind. %6).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (at least %2) and hips − waist %3 (under %4).</source>
        <translation>Entschieden durch Hüfte − Brust %1 (mind. %2) und Hüfte − Taille %3 (unter %4).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (at least %2) and bust − waist %3 (under %4).</source>
        <translation>Entschieden durch Brust − Hüfte %1 (mind. %2) und Brust − Taille %3 (unter %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2 and under %3), bust − waist %4 (under %5) and hips − waist %6 (under %7).</source>
        <translation>Entschieden durch Hüfte − Brust %1 (über %2 und unter %3), Brust − Taille %4 (unter %5) und Hüfte − Taille %6 (unter %7).</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 mehr an der Brust ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 weniger an der Brust ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 mehr an der Taille ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 weniger an der Taille ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 mehr an der oberen Hüfte ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 weniger an der oberen Hüfte ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 mehr an der Hüfte ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would make it %2. Measure again.</source>
        <translation>Grenzfall: Mit %1 weniger an der Hüfte ergäbe sich %2. Miss noch einmal.</translation>
    </message>
    <message>
        <source>Your answers tied %1.</source>
        <translation>Deine Antworten: Gleichstand zwischen %1.</translation>
    </message>
    <message>
        <source>Your answers said %1.</source>
        <translation>Deine Antworten: %1.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure finds none of the four.</source>
        <translation>Deine Antworten: Gleichstand zwischen %1 – das Maßband findet keine der vier.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure finds none of the four.</source>
        <translation>Deine Antworten: %1 – das Maßband findet keine der vier.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure says %2.</source>
        <translation>Deine Antworten: Gleichstand zwischen %1 – das Maßband sagt %2.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure agrees.</source>
        <translation>Deine Antworten: %1 – das Maßband stimmt zu.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure says otherwise.</source>
        <translation>Deine Antworten: %1 – das Maßband sagt etwas anderes.</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <translation>Brust: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <translation>Taille: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <translation>Obere Hüfte: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
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
        <translation>Gemessene Figur: %1</translation>
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
        <source>Around the upper swell of the hips, about 18 cm (7 in) below the waist</source>
        <translation>Um die obere Hüftrundung, etwa 18&#xa0;cm (7&#xa0;Zoll) unter der Taille</translation>
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
        <source>Nothing you type here is kept or sent anywhere.</source>
        <translation>Deine Eingaben werden weder gespeichert noch gesendet.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Put my &amp;measurements on the result card</source>
        <translation>&amp;Meine Maße auf die Ergebniskarte</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Warum diese &amp;vier?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
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

Die Regeln sind veröffentlicht, aber nicht an Körperscans überprüft: Ein Zentimeter bei einem Maß kann den Typ ändern – nimm das Ergebnis also als Orientierung.</translation>
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
        <translation>Bei diesem Figurtyp beträgt der Taillenumfang 75 bis 100 Prozent des Hüft- oder Brustumfangs. Die Figur wirkt eher maskulin. Fett lagert sich an Gesicht, Bauch und Po an. Zum Glück neigst du nicht zu Übergewicht. Dein Körper ist rechteckig geformt. Mehr als drei Trainingstage pro Woche brauchst du nicht. Ausdauersport über lange Strecken liegt dir. Du nimmst leicht ab, aber nur schwer zu, denn dein Stoffwechsel ist schnell. Deine Schultern sind schmal. Iss viel Eiweiß, frisches Obst und Gemüse. Laufen ist ein Muss. </translation>
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
