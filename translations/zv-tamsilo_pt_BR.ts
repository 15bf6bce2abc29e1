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
    <name>MeasureReport</name>
    <message>
        <source>%1 in</source>
        <translation>%1&#xa0;pol.</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 não é um número.</translation>
    </message>
    <message>
        <source>%1 are not numbers.</source>
        <translation>%1 não são números.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 cm.</source>
        <translation>%1 está fora da faixa: meça entre %2 e %3&#xa0;cm.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 cm.</source>
        <translation>%1 estão fora da faixa: meça entre %2 e %3&#xa0;cm.</translation>
    </message>
    <message>
        <source>%1 is out of range: measure between %2 and %3 in.</source>
        <translation>%1 está fora da faixa: meça entre %2 e %3&#xa0;pol.</translation>
    </message>
    <message>
        <source>%1 are out of range: measure between %2 and %3 in.</source>
        <translation>%1 estão fora da faixa: meça entre %2 e %3&#xa0;pol.</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>nenhum dos quatro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No figure rule covers hips %1 or more over the bust with a defined waist: hips − bust %2, hips − waist %3 (at least %4), high hip ÷ waist %5 (under %6).</source>
        <translation>Nenhuma regra cobre uma circunferência de quadril que supere a do busto em %1 ou mais, com cintura marcada: quadril − busto %2, quadril − cintura %3 (no mínimo %4), quadril alto ÷ cintura %5 (abaixo de %6).</translation>
    </message>
    <message>
        <source>No figure rule covers a bust %1 or more over the hips with a defined waist: bust − hips %2, bust − waist %3 (at least %4).</source>
        <translation>Nenhuma regra cobre uma circunferência de busto que supere a do quadril em %1 ou mais, com cintura marcada: busto − quadril %2, busto − cintura %3 (no mínimo %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), bust − waist %4 (at least %5) or hips − waist %6 (at least %7).</source>
        <translation>Definido por quadril − busto %1 (de %2 a menos de %3), busto − cintura %4 (no mínimo %5) ou quadril − cintura %6 (no mínimo %7).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (from %2 to under %3), hips − waist %4 (at least %5) and high hip ÷ waist %6 (under %7).</source>
        <translation>Definido por quadril − busto %1 (de %2 a menos de %3), quadril − cintura %4 (no mínimo %5) e quadril alto ÷ cintura %6 (abaixo de %7).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (over %2 and under %3) and bust − waist %4 (at least %5).</source>
        <translation>Definido por busto − quadril %1 (acima de %2 e abaixo de %3) e busto − cintura %4 (no mínimo %5).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2), hips − waist %3 (at least %4) and high hip ÷ waist %5 (at least %6).</source>
        <translation>Definido por quadril − busto %1 (acima de %2), quadril − cintura %3 (no mínimo %4) e quadril alto ÷ cintura %5 (no mínimo %6).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (at least %2) and hips − waist %3 (under %4).</source>
        <translation>Definido por quadril − busto %1 (no mínimo %2) e quadril − cintura %3 (abaixo de %4).</translation>
    </message>
    <message>
        <source>Decided by bust − hips %1 (at least %2) and bust − waist %3 (under %4).</source>
        <translation>Definido por busto − quadril %1 (no mínimo %2) e busto − cintura %3 (abaixo de %4).</translation>
    </message>
    <message>
        <source>Decided by hips − bust %1 (over %2 and under %3), bust − waist %4 (under %5) and hips − waist %6 (under %7).</source>
        <translation>Definido por quadril − busto %1 (acima de %2 e abaixo de %3), busto − cintura %4 (abaixo de %5) e quadril − cintura %6 (abaixo de %7).</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the bust would make it %2. Measure again.</source>
        <translation>No limite: com %1 a mais no busto, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the bust would make it %2. Measure again.</source>
        <translation>No limite: com %1 a menos no busto, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the waist would make it %2. Measure again.</source>
        <translation>No limite: com %1 a mais na cintura, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the waist would make it %2. Measure again.</source>
        <translation>No limite: com %1 a menos na cintura, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the high hip would make it %2. Measure again.</source>
        <translation>No limite: com %1 a mais no quadril alto, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the high hip would make it %2. Measure again.</source>
        <translation>No limite: com %1 a menos no quadril alto, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 more at the hips would make it %2. Measure again.</source>
        <translation>No limite: com %1 a mais no quadril, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Borderline: %1 less at the hips would make it %2. Measure again.</source>
        <translation>No limite: com %1 a menos no quadril, o resultado seria %2. Meça de novo.</translation>
    </message>
    <message>
        <source>Your answers tied %1.</source>
        <translation>Suas respostas empataram entre %1.</translation>
    </message>
    <message>
        <source>Your answers said %1.</source>
        <translation>Suas respostas deram %1.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure finds none of the four.</source>
        <translation>Suas respostas empataram entre %1: a fita não encontra nenhum dos quatro.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure finds none of the four.</source>
        <translation>Suas respostas deram %1: a fita não encontra nenhum dos quatro.</translation>
    </message>
    <message>
        <source>Your answers tied %1: the tape measure says %2.</source>
        <translation>Suas respostas empataram entre %1: a fita diz %2.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure agrees.</source>
        <translation>Suas respostas deram %1: a fita concorda.</translation>
    </message>
    <message>
        <source>Your answers said %1: the tape measure says otherwise.</source>
        <translation>Suas respostas deram %1: a fita diz outra coisa.</translation>
    </message>
    <message>
        <source>Bust: %1</source>
        <translation>Busto: %1</translation>
    </message>
    <message>
        <source>Waist: %1</source>
        <translation>Cintura: %1</translation>
    </message>
    <message>
        <source>High hip: %1</source>
        <translation>Quadril alto: %1</translation>
    </message>
    <message>
        <source>Hips: %1</source>
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
        <translation>Tipo medido: %1</translation>
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
        <translation>Na parte mais cheia do busto, com a fita na horizontal</translation>
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
        <source>Around the upper swell of the hips, about 18 cm (7 in) below the waist</source>
        <translation>Na parte alta do quadril, cerca de 18&#xa0;cm (7&#xa0;pol.) abaixo da cintura</translation>
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
        <source>Nothing you type here is kept or sent anywhere.</source>
        <translation>Nada do que você digita aqui é guardado ou enviado.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Put my &amp;measurements on the result card</source>
        <translation>Pôr minhas &amp;medidas no cartão de resultado</translation>
    </message>
    <message>
        <source>Why these &amp;four?</source>
        <translation>&amp;Por que quatro?</translation>
    </message>
    <message>
        <source>The tape measure: %1</source>
        <translation>A fita métrica: %1</translation>
    </message>
    <message>
        <source>The published figure rules sort four tape measurements into seven figure types: hourglass, top hourglass, bottom hourglass, spoon, triangle, inverted triangle and rectangle. This program knows four shapes, so each type is shown as the shape whose description it fits.

Hourglass: the hourglass and the top hourglass, for their defined waist, which the Cone&apos;s description rules out.
Spoon: the bottom hourglass, the spoon and the triangle, hips fuller than the bust, as the Spoon&apos;s description has them.
Cone: the inverted triangle, the bust broader than the hips.
Ruler: the rectangle, with bust, waist and hips close together.

The rules are published, but they have not been validated against body scans: a centimetre at one measurement can change the type, so take the result as a guide.</source>
        <translation>As regras de silhueta publicadas classificam quatro medidas em sete tipos: ampulheta, ampulheta superior, ampulheta inferior, colher, triângulo, triângulo invertido e retângulo. Este programa conhece quatro tipos de corpo, então cada tipo aparece como aquele com cuja descrição ele combina.

Ampulheta: a ampulheta e a ampulheta superior, pela cintura marcada, que a descrição da Forma de V exclui.
Pera: a ampulheta inferior, a colher e o triângulo, com o quadril mais cheio que o busto, como na descrição da Pera.
Forma de V: o triângulo invertido, com o busto mais largo que o quadril.
Retângulo: o retângulo, com busto, cintura e quadril bem próximos.

As regras são publicadas, mas não foram validadas com escaneamento corporal: um centímetro numa medida pode mudar o tipo, então use o resultado como orientação.</translation>
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
        <translation>Resultado de %1</translation>
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
        <translation>Cada uma das quatro respostas contou para um tipo.</translation>
    </message>
    <message>
        <source>%1 had the most answers.</source>
        <extracomment>Under the bars: %1 is the name of the shape with the most answers, e.g. Spoon. A shape&apos;s name does not fit a slot whose grammar must agree with it: &quot;Most answers: %1.&quot;</extracomment>
        <translation>%1 teve o maior número de respostas.</translation>
    </message>
    <message>
        <source>On a tie, the first shape in the order Ruler, Hourglass, Spoon, Cone wins.</source>
        <translation>Em caso de empate, vence o primeiro na ordem Retângulo, Ampulheta, Pera, Forma de V.</translation>
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
        <translation>Neste tipo de corpo, a circunferência da cintura é de setenta e cinco a cem por cento da do quadril ou do peito. É um corpo de formato masculino. A gordura se distribui pelo rosto, abdômen e bumbum. Você tem a sorte de não estar acima do peso. Seu corpo tem formato retangular. Não é preciso treinar mais de três dias por semana. Você se sai bem em exercícios de resistência de longa distância. Você tende a perder peso com facilidade. Não engorda fácil e tem o metabolismo acelerado. Seus ombros são pequenos. Coma bastante proteína, frutas frescas e verduras. Correr é indispensável. </translation>
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
