<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>HistoryChart</name>
    <message numerus="yes">
        <source>%n entries from %1 to %2. Latest: %3, measured shape %4.</source>
        <translation>
            <numerusform>%n entry from %1 to %2. Latest: %3, measured shape %4.</numerusform>
            <numerusform>%n entries from %1 to %2. Latest: %3, measured shape %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n entries of My History? The file %1 is removed and cannot be brought back.</source>
        <translation>
            <numerusform>Delete the %n entry of My History? The file %1 is removed and cannot be brought back.</numerusform>
            <numerusform>Delete all %n entries of My History? The file %1 is removed and cannot be brought back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n entry exported to %1.</numerusform>
            <numerusform>%n entries exported to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries added to My History.</source>
        <translation>
            <numerusform>%n entry added to My History.</numerusform>
            <numerusform>%n entries added to My History.</numerusform>
        </translation>
    </message>
</context>
</TS>
