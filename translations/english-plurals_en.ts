<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ResultCard</name>
    <message numerus="yes">
        <source>%Ln answers</source>
        <extracomment>Beside a shape&apos;s bar on the card: %Ln is how many of the four answers counted toward that shape, 0 to 4, e.g. &quot;2 answers&quot;</extracomment>
        <translation>
            <numerusform>%Ln answer</numerusform>
            <numerusform>%Ln answers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 tied with %Ln answers each.</source>
        <extracomment>Under the bars: %1 is the list of two to four shape names, e.g. &quot;Ruler and Cone&quot;; %Ln is the number of answers each of them had, 1 or 2, e.g. &quot;Ruler and Cone tied with 2 answers each.&quot; A colon form keeps the names out of the grammar: &quot;Tie, 2 answers each: %1.&quot;</extracomment>
        <translation>
            <numerusform>%1 tied with %Ln answer each.</numerusform>
            <numerusform>%1 tied with %Ln answers each.</numerusform>
        </translation>
    </message>
</context>
</TS>
