<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MeasureShapeWindow</name>
    <message>
        <source>Measure My Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#MeasureShapeWindow { background-color: #3A3A3A; }
QGroupBox { background-color: #404040; color: #FFFF00; font-weight: bold; border: 2px groove #808080; margin-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }
QLabel { color: #C0C000; font-weight: normal; }
#bustLabel, #waistLabel, #highHipLabel, #hipsLabel, #unitLabel, #comparisonLabel { font-weight: bold; }
#shapeLabel { font-size: 9.75pt; font-weight: bold; }
QLineEdit { background-color: #FFFFFF; color: #000000; font-weight: normal; }
QRadioButton { background-color: #404040; color: #C0C000; font-weight: normal; }
QPushButton { background-color: #808080; color: #000000; font-weight: bold; border: 2px outset #B0B0B0; }
QPushButton:pressed { border-style: inset; }
QPushButton:focus { border: 2px solid #000000; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your measurements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around the fullest part of the bust, the tape kept level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around the narrowest part of the waist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;gh hip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around the upper swell of the hips, about 18 cm (7 in) below the waist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around the widest part of the hips and buttocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the tape measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing you type here is kept or sent anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>Two lines of a Yes/No question; keep the line break between them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZV Tamsilo helps you analyze your body shape. Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. Achieve that perfect figure with the help of this software. Copyright © 2026 Zelvara Softwares. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZV Tamsilo Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Body Shape is :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celebrities :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Goes back to the welcome window (not the body part).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure My &amp;Shape…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Result…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silhouette of the %1 body shape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>ZV Tamsilo icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Zelvara Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Zelvara Softwares. From a single software, we have now grown to become the world’s largest resource of zelvara softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Zelvara Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Zelvara Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <extracomment>The text the message box shows until the user writes a message to the friend.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zelvara Softwares, such as this can be created and maintained only with your support. The best way to support Zelvara is to visit Zelvara regularly and take part in the discussions and other activities on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Zelvara regularly. Support Zelvara by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Zelvara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zelvara is a FREE online discussion forum for all things zelvara. To help Zelvara develop and maintain this software visit Zelvara regularly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zelvara needs your help. All you need to do is visit Zelvara regularly and take part in the various discussions and activites to help us maintain and develop more Zelvara Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Zelvara Discussion Board. Best Resource For Everything Zelvara. Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everybody has a natural body shape. To understand your body better you need to know your body shape so that  you can work on that part of the body accordingly. To achieve the perfect figure, take the below test to know your body shape now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take The Body Shape &amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modShapeTest</name>
    <message>
        <source>Which part of your body would you like to change?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper And Lower Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which part of your body do you find most difficult to lose weight?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I can lose weight easily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which part of your body are you thinnest at?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entire Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which part of your body do you put on weight?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stomach and buttocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both upper and lower body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hips, thighs and buttocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back, chest, arms and stomach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruler</source>
        <extracomment>Name of a body shape, straight up and down like a ruler; the same name on the results page and the card.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the hips or the chest. This is a masculine shaped body. Fat is distributed about the face, abdomen and buttocks. You are lucky not to be overweight. You have a rectangular shaped body. You do not have to work out for more than three days a week. You do well in long distance endurance based exercises. You tend to lose weight easily. You do not put on weight easily and have a high rate of metabolism. You have small shoulders. You should high proteins, fresh fruits and vegetables. Running is a must. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglass</source>
        <extracomment>Name of a body shape, full at bust and hips with a narrow waist.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is less than seventy five percent of the circumference of the hips or the chest. Fat is distributed about the upper and lower body. You have broad chest, hips, hands, and rear. You have a shapely figure. You should concentrate on exercises that concentrate on your thighs, abdomen and arms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spoon</source>
        <extracomment>Name of a body shape, narrow at the top and heavier at the hips (also called pear).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is about seventy to seventy five percent of the circumference of the chest and the circumference of the hips is about hundred ten percent of the circumference of the chest. Body fat is deposited on the hips, thighs and buttocks. You have a broad upper abdomen and waist. Usually you have a flat  stomach. You are smaller at the top and heavier at the bottom. You need some kind of cardiovascular exercises everyday along with weight lifting. You do not lose weight that easily. You may suffer from osteoporosis, varicose veins or eating disorders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cone</source>
        <extracomment>Name of a body shape, broad at the shoulders and narrow at the hips (inverted triangle).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this type of body shape the circumference of the waist is seventy five to hundred percent of the circumference of the chest and the circumference of the chest is about hundred ten percent of the circumference of the hips. This is a masculine shaped body. Fat is distributed on the face, abdomen and chest. You have broad shoulders and narrow hips. You carry a lot of weight on your upper back and chest. You may have a protruding stomach. Be careful of lower body injuries. You have thin muscular arms, legs and stomach. You are prone to heart diseases and diabetes. You need some kind of cardiovascular exercises everyday.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modStartup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
