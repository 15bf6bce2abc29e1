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
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <translation>%1&#xa0;in</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1&#xa0;: saisissez un nombre.</translation>
    </message>
    <message>
        <source>%1 are not numbers.</source>
        <translation>%1&#xa0;: saisissez des nombres.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 cm.</source>
        <translation>%1&#xa0;: hors limites, mesurez entre %2 et %3&#xa0;cm.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 cm.</source>
        <translation>%1&#xa0;: hors limites, mesurez entre %2 et %3&#xa0;cm.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 in.</source>
        <translation>%1&#xa0;: hors limites, mesurez entre %2 et %3&#xa0;in.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 in.</source>
        <translation>%1&#xa0;: hors limites, mesurez entre %2 et %3&#xa0;in.</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>aucune des quatre</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No figure rule covers hips %1 or more over the bust with a defined waist: hips − bust %2, hips − waist %3 (at least %4), high hip ÷ waist %5 (under %6).</source>
        <translation>Aucune règle ne couvre un tour de hanches supérieur d’au moins %1 au tour de poitrine avec une taille marquée&#xa0;: hanches − poitrine %2, hanches − taille %3 (au moins %4), haut des hanches ÷ taille %5 (moins de %6).</translation>
    </message>
    <message>
        <source>No figure rule covers a bust %1 or more over the hips with a defined waist: bust − hips %2, bust − waist %3 (at least %4).</source>
        <translation>Aucune règle ne couvre un tour de poitrine supérieur d’au moins %1 au tour de hanches avec une taille marquée&#xa0;: poitrine − hanches %2, poitrine − taille %3 (au moins %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), bust − waist %4 (at least %5) or hips − waist %6 (at least %7).</source>
        <translation>Déterminé par hanches − poitrine %1 (de %2 à moins de %3), poitrine − taille %4 (au moins %5) ou hanches − taille %6 (au moins %7).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), hips − waist %4 (at least %5) and high hip ÷ waist %6 (under %7).</source>
        <translation>Déterminé par hanches − poitrine %1 (de %2 à moins de %3), hanches − taille %4 (au moins %5) et haut des hanches ÷ taille %6 (moins de %7).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (over %2 and under %3) and bust − waist %4 (at least %5).</source>
        <translation>Déterminé par poitrine − hanches %1 (plus de %2 et moins de %3) et poitrine − taille %4 (au moins %5).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2), hips − waist %3 (at least %4) and high hip ÷ waist %5 (at least %6).</source>
        <translation>Déterminé par hanches − poitrine %1 (plus de %2), hanches − taille %3 (au moins %4) et haut des hanches ÷ taille %5 (au moins %6).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (at least %2) and hips − waist %3 (under %4).</source>
        <translation>Déterminé par hanches − poitrine %1 (au moins %2) et hanches − taille %3 (moins de %4).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (at least %2) and bust − waist %3 (under %4).</source>
        <translation>Déterminé par poitrine − hanches %1 (au moins %2) et poitrine − taille %3 (moins de %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2 and under %3), bust − waist %4 (under %5) and hips − waist %6 (under %7).</source>
        <translation>Déterminé par hanches − poitrine %1 (plus de %2 et moins de %3), poitrine − taille %4 (moins de %5) et hanches − taille %6 (moins de %7).</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de plus à la poitrine, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de moins à la poitrine, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de plus à la taille, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de moins à la taille, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de plus au haut des hanches, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de moins au haut des hanches, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de plus aux hanches, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would make it %2. Measure again.</source>
        <translation>Cas limite&#xa0;: avec %1 de moins aux hanches, on obtiendrait «&#xa0;%2&#xa0;». Mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Your answers tied %1.</source>
        <translation>Égalité de vos réponses entre %1.</translation>
    </message>
    <message>
        <source>Your answers said %1.</source>
        <translation>Vos réponses indiquent %1.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure finds none of the four.</source>
        <translation>Égalité de vos réponses entre %1&#xa0;: le mètre ruban ne trouve aucune des quatre.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure finds none of the four.</source>
        <translation>Vos réponses indiquent %1&#xa0;: le mètre ruban ne trouve aucune des quatre.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure says %2.</source>
        <translation>Égalité de vos réponses entre %1&#xa0;: le mètre ruban indique %2.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure agrees.</source>
        <translation>Vos réponses indiquent %1&#xa0;: le mètre ruban confirme.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure says otherwise.</source>
        <translation>Vos réponses indiquent %1&#xa0;: le mètre ruban dit autre chose.</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <translation>Poitrine&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <translation>Haut des hanches&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
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
        <translation>Silhouette mesurée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MeasureShapeWindow</name>
    <message>
        <source>Measure My Shape</source>
        <translation>Mes mensurations</translation>
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
        <translation>Ht h&amp;anches</translation>
    </message>
    <message>
        <source>Around the upper swell of the hips, about 18 cm (7 in) below the waist</source>
        <translation>En haut des hanches, env. 18&#xa0;cm (7&#xa0;in) sous la taille</translation>
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
        <source>Nothing you type here is kept or sent anywhere.</source>
        <translation>Vos saisies ne sont ni conservées ni envoyées.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Put my &amp;measurements on the result card</source>
        <translation>Mettre mes &amp;mesures sur la fiche</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>Pourquoi &amp;quatre&#xa0;?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
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
        <translation>Résultat pour&#xa0;: %1</translation>
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
        <translation>Impossible de dessiner la fiche.</translation>
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
        <translation>&amp;Mes mensurations…</translation>
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
        <translation>Dans cette silhouette, le tour de taille fait de 75 à 100&#xa0;% du tour de hanches ou de poitrine. C’est une silhouette de type masculin. Les graisses se logent sur le visage, l’abdomen et les fesses. Vous avez la chance de ne pas être en surpoids. Votre corps a une forme rectangulaire. Inutile de vous entraîner plus de trois jours par semaine. Les sports d’endurance de longue durée vous réussissent. Vous perdez facilement du poids. Vous ne grossissez pas facilement et votre métabolisme est rapide. Vos épaules sont étroites. Misez sur les protéines, les fruits et les légumes frais. La course à pied est indispensable. </translation>
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
