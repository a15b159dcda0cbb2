<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>1 call written to %1</source>
        <translation>1 Anruf in %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 calls written to %2</source>
        <translation>%1 Anrufe in %2 geschrieben</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
</context>
<context>
    <name>ql310::AccessibleNames</name>
    <message>
        <source>, hour</source>
        <translation>, Stunde</translation>
    </message>
    <message>
        <source>, minute</source>
        <translation>, Minute</translation>
    </message>
    <message>
        <source>ring type</source>
        <translation>Klingeltyp</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>LCR pages</source>
        <translation>LCR-Seiten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
</context>
<context>
    <name>ql310::CallGaps</name>
    <message>
        <source>calls between %1 and %2 are missing: the adapter&apos;s memory of %3 calls overflowed before it was read</source>
        <translation>Anrufe zwischen %1 und %2 fehlen: Der Speicher des ISDN-TA für %3 Anrufe ist übergelaufen, bevor er gelesen wurde</translation>
    </message>
</context>
<context>
    <name>ql310::CallLogCommands</name>
    <message>
        <source>Preparing the call log for sorting: %p%</source>
        <translation>Anrufliste wird zum Sortieren vorbereitet: %p%</translation>
    </message>
    <message>
        <source>Preparing the call log for sorting</source>
        <translation>Anrufliste wird zum Sortieren vorbereitet</translation>
    </message>
    <message>
        <source>The call log could not be prepared for sorting; sorting reads the whole log.</source>
        <translation>Die Anrufliste konnte nicht zum Sortieren vorbereitet werden; das Sortieren liest die ganze Liste.</translation>
    </message>
</context>
<context>
    <name>ql310::CallLogModel</name>
    <message>
        <source>Lost</source>
        <translation>Verpasst</translation>
    </message>
</context>
<context>
    <name>ql310::CallLogStore</name>
    <message>
        <source>another fetch kept the call log busy</source>
        <translation>ein anderer Abruf hielt die Anrufliste belegt</translation>
    </message>
    <message>
        <source>a call with an impossible date or time</source>
        <translation>ein Anruf mit unmöglichem Datum oder unmöglicher Uhrzeit</translation>
    </message>
</context>
<context>
    <name>ql310::CommandLine</name>
    <message>
        <source>Usage: ql310set [--help] [--version]
Configures the USB ISDN terminal adapter: reads its configuration, edits
and writes it back, and keeps the call log.

  --help      show this text and exit
  --version   show the version and exit

The toolkit&apos;s own options (-platform, -style, -display, ...) are accepted.
Environment: QL310_DEVICE_DIR, QL310_REGISTRY, QL310SET_DATA_DIR,
QL310_TIMEOUT_MS (see ql310set(1)).
</source>
        <translation>Aufruf: ql310set [--help] [--version]
Konfiguriert den USB-ISDN-TA: liest seine Konfiguration, bearbeitet sie,
schreibt sie zurück und führt die Anrufliste.

  --help      diesen Text zeigen und beenden
  --version   die Version zeigen und beenden

Die Optionen des Toolkits (-platform, -style, -display, ...) werden angenommen.
Umgebung: QL310_DEVICE_DIR, QL310_REGISTRY, QL310SET_DATA_DIR,
QL310_TIMEOUT_MS (siehe ql310set(1)).
</translation>
    </message>
</context>
<context>
    <name>ql310::ContactFile</name>
    <message>
        <source>it is UTF-16 text without a byte-order mark; save it as UTF-8 or as UTF-16 with a byte-order mark</source>
        <translation>sie ist UTF-16-Text ohne Byte-Order-Mark; speichern Sie sie als UTF-8 oder als UTF-16 mit Byte-Order-Mark</translation>
    </message>
    <message>
        <source>it is a binary file, not an address book</source>
        <translation>sie ist eine Binärdatei, kein Adressbuch</translation>
    </message>
    <message>
        <source>it holds no card</source>
        <translation>sie enthält keine Visitenkarte</translation>
    </message>
    <message>
        <source>the quote opened in line %1 is never closed</source>
        <translation>das in Zeile %1 geöffnete Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>it holds no card and no row of contacts after a header row</source>
        <translation>sie enthält keine Visitenkarte und nach der Kopfzeile keine Zeile mit Kontakten</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <translation>sie ist größer als 10 MB</translation>
    </message>
</context>
<context>
    <name>ql310::DeviceCommands</name>
    <message>
        <source>. The rest was written to ISDN TA.</source>
        <translation>. Alles andere wurde in den ISDN-TA geschrieben.</translation>
    </message>
    <message>
        <source>Line parameters not stored in &quot;%1&quot;: %2</source>
        <translation>Leitungsparameter nicht in „%1“ gespeichert: %2</translation>
    </message>
    <message>
        <source>Line parameters not read from &quot;%1&quot;: %2</source>
        <translation>Leitungsparameter nicht aus „%1“ gelesen: %2</translation>
    </message>
</context>
<context>
    <name>ql310::DialForm</name>
    <message>
        <source>no digit</source>
        <translation>keine Ziffer</translation>
    </message>
    <message>
        <source>letters in the number</source>
        <translation>Buchstaben in der Rufnummer</translation>
    </message>
    <message>
        <source>not an international number (unknown country code)</source>
        <translation>keine internationale Rufnummer (unbekannte Landesvorwahl)</translation>
    </message>
    <message>
        <source>more than 25 dial symbols</source>
        <translation>mehr als 25 Wählzeichen</translation>
    </message>
    <message>
        <source>nothing dialable left</source>
        <translation>nichts Wählbares übrig</translation>
    </message>
    <message>
        <source>%1 characters, more than %2</source>
        <translation>%1 Zeichen, mehr als %2</translation>
    </message>
    <message>
        <source>a name of %1 characters, more than 256</source>
        <translation>ein Name mit %1 Zeichen, mehr als 256</translation>
    </message>
    <message>
        <source>the file ends inside a card</source>
        <translation>die Datei endet mitten in einer Visitenkarte</translation>
    </message>
</context>
<context>
    <name>ql310::EditorWindow</name>
    <message>
        <source>&amp;Import Phone Book…</source>
        <translation>Telefonbuch i&amp;mportieren…</translation>
    </message>
    <message>
        <source>Expor&amp;t Phone Book…</source>
        <translation>Telefonbuch e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>ql310::FileCommands</name>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2. The file was not changed.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: %2. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be loaded: %2. Nothing was changed.</source>
        <translation>Die Datei „%1“ kann nicht geladen werden: %2. Es wurde nichts verändert.</translation>
    </message>
</context>
<context>
    <name>ql310::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Search all pages</source>
        <translation>Alle Seiten durchsuchen</translation>
    </message>
    <message>
        <source>No page contains this text.</source>
        <translation>Keine Seite enthält diesen Text.</translation>
    </message>
</context>
<context>
    <name>ql310::Interaction</name>
    <message>
        <source>The file &quot;%1&quot; already exists. Replace it?</source>
        <translation>Die Datei „%1“ gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Cancelled: no one can answer this dialog here.</source>
        <translation>Abgebrochen: Hier kann niemand diesen Dialog beantworten.</translation>
    </message>
</context>
<context>
    <name>ql310::LibraryBinding</name>
    <message>
        <source>The device library %1 cannot be loaded: %2</source>
        <translation>Die Gerätebibliothek %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The device library %1 cannot be found or loaded%2</source>
        <translation>Die Gerätebibliothek %1 kann nicht gefunden oder geladen werden%2</translation>
    </message>
    <message>
        <source>The device library %1 lacks the operations %2.</source>
        <translation>Der Gerätebibliothek %1 fehlen die Operationen %2.</translation>
    </message>
    <message>
        <source>The device library %1 lacks the operation %2.</source>
        <translation>Der Gerätebibliothek %1 fehlt die Operation %2.</translation>
    </message>
</context>
<context>
    <name>ql310::MainWindow</name>
    <message>
        <source>Discard the changes that are not written to the ISDN TA?</source>
        <translation>Die Änderungen verwerfen, die noch nicht in den ISDN-TA geschrieben sind?</translation>
    </message>
</context>
<context>
    <name>ql310::OnlineHelp</name>
    <message>
        <source>The help file %1 cannot be found. It is looked for in: %2</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden. Gesucht wurde in: %2</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read as compiled help.</source>
        <translation>Die Hilfedatei %1 kann nicht als kompilierte Hilfe gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ql310::PhoneBookCommands</name>
    <message>
        <source>Address Books (*.vcf;*.vcard;*.csv) | *.vcf;*.vcard;*.csv|vCard Files (*.vcf) | *.vcf;*.vcard|CSV Files (*.csv) | *.csv|All Files (*.*) | *.*</source>
        <translation>Adressbücher (*.vcf;*.vcard;*.csv) | *.vcf;*.vcard;*.csv|vCard-Dateien (*.vcf) | *.vcf;*.vcard|CSV-Dateien (*.csv) | *.csv|Alle Dateien (*.*) | *.*</translation>
    </message>
    <message>
        <source>vCard Files (*.vcf) | *.vcf|CSV Files (*.csv) | *.csv|All Files (*.*) | *.*</source>
        <translation>vCard-Dateien (*.vcf) | *.vcf|CSV-Dateien (*.csv) | *.csv|Alle Dateien (*.*) | *.*</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: %2. Nothing was changed.</source>
        <translation>Die Datei „%1“ kann nicht importiert werden: %2. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be imported: no telephone number found in %1. Nothing was changed.</source>
        <translation>Die Datei „%1“ kann nicht importiert werden: In %1 wurde keine Rufnummer gefunden. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no telephone number. Nothing was changed.</source>
        <translation>Die Datei „%1“ enthält keine Rufnummer. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <source>%1: %2 phone-book entries changed</source>
        <translation>%1: %2 Telefonbucheinträge geändert</translation>
    </message>
    <message>
        <source>The phone book is empty: &quot;%1&quot; was not written.</source>
        <translation>Das Telefonbuch ist leer: „%1“ wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be saved: %2. The file was not changed.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden: %2. Die Datei wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>ql310::PhoneBookImport</name>
    <message>
        <source>%1 more numbers were not looked at: an import takes the first %2</source>
        <translation>%1 weitere Rufnummern wurden nicht beachtet: Ein Import nimmt die ersten %2</translation>
    </message>
    <message>
        <source>the phone book is full: %1 numbers were not imported</source>
        <translation>das Telefonbuch ist voll: %1 Rufnummern wurden nicht importiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of &quot;%2&quot;</source>
        <translation>„%1“ von „%2“</translation>
    </message>
    <message>
        <source> (extension %1 dropped)</source>
        <translation> (Durchwahl %1 weggelassen)</translation>
    </message>
    <message>
        <source> (looks incomplete)</source>
        <translation> (scheint unvollständig)</translation>
    </message>
    <message>
        <source> (name cut to %1 characters)</source>
        <translation> (Name auf %1 Zeichen gekürzt)</translation>
    </message>
</context>
<context>
    <name>ql310::PhoneBookImportDialog</name>
    <message>
        <source> (extension %1 dropped)</source>
        <translation> (Durchwahl %1 weggelassen)</translation>
    </message>
    <message>
        <source> (looks incomplete)</source>
        <translation> (scheint unvollständig)</translation>
    </message>
    <message>
        <source>Import Phone Book: %1</source>
        <translation>Telefonbuch importieren: %1</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Aus der Datei</translation>
    </message>
    <message>
        <source>&amp;Update the names of the numbers already in the phone book</source>
        <translation>Namen der schon im Telefonbuch stehenden Rufnummern &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Fill free entries: %1</source>
        <translation>Freie Einträge füllen: %1</translation>
    </message>
    <message>
        <source>Already in the phone book: %1</source>
        <translation>Schon im Telefonbuch: %1</translation>
    </message>
    <message>
        <source>%1 (skipped)</source>
        <translation>%1 (übersprungen)</translation>
    </message>
    <message>
        <source>Twice in the file, skipped: %1</source>
        <translation>Doppelt in der Datei, übersprungen: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 Rufnummer</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 Rufnummern</translation>
    </message>
    <message>
        <source>%1 of the %2 in the file change the phone book. Import changes only the phone book; Write sends it to the adapter.</source>
        <translation>%1 der %2 in der Datei ändern das Telefonbuch. Importieren ändert nur das Telefonbuch; Schreiben überträgt es in den ISDN-TA.</translation>
    </message>
    <message>
        <source>Nothing in the file changes the phone book (%1 read).</source>
        <translation>Nichts in der Datei ändert das Telefonbuch (%1 gelesen).</translation>
    </message>
    <message>
        <source>Import Phone Book: Columns</source>
        <translation>Telefonbuch importieren: Spalten</translation>
    </message>
    <message>
        <source>The names and numbers of this file could not be found by its column headers. Choose the column of the names and the column of the telephone numbers.</source>
        <translation>Die Namen und Rufnummern dieser Datei waren an den Spaltenköpfen nicht zu erkennen. Wählen Sie die Spalte der Namen und die Spalte der Rufnummern.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>(the first, middle and last name columns)</source>
        <translation>(die Spalten Vorname, weitere Vornamen und Nachname)</translation>
    </message>
    <message>
        <source>(the %1 telephone columns)</source>
        <translation>(die %1 Telefonspalten)</translation>
    </message>
    <message>
        <source>(column %1)</source>
        <translation>(Spalte %1)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>&amp;Rufnummer:</translation>
    </message>
</context>
<context>
    <name>ql310::TextTable</name>
    <message>
        <source>USB ISDN TA Configuration</source>
        <comment>101</comment>
        <translation>USB-ISDN-TA-Konfiguration</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>102</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Command</source>
        <comment>103</comment>
        <translation>&amp;Befehl</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>104</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>MSN</source>
        <comment>105</comment>
        <translation>MSN</translation>
    </message>
    <message>
        <source>Phone &amp;&amp; Data Function</source>
        <comment>106</comment>
        <translation>Telefon- &amp;&amp; Datenfunktionen</translation>
    </message>
    <message>
        <source>Forwarding</source>
        <comment>107</comment>
        <translation>Anrufweiterschaltung</translation>
    </message>
    <message>
        <source>LCR</source>
        <comment>108</comment>
        <translation>LCR</translation>
    </message>
    <message>
        <source>Short Dial</source>
        <comment>109</comment>
        <translation>Kurzwahl</translation>
    </message>
    <message>
        <source>PhoneBook</source>
        <comment>110</comment>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Port 1</source>
        <comment>111</comment>
        <translation>Port 1</translation>
    </message>
    <message>
        <source>Port 2</source>
        <comment>112</comment>
        <translation>Port 2</translation>
    </message>
    <message>
        <source>Port 3</source>
        <comment>113</comment>
        <translation>Port 3</translation>
    </message>
    <message>
        <source>Port 4</source>
        <comment>114</comment>
        <translation>Port 4</translation>
    </message>
    <message>
        <source>Data</source>
        <comment>115</comment>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>116</comment>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>117</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Incoming MSN &amp;&amp; Ring type</source>
        <comment>118</comment>
        <translation>Eingehende MSN &amp;&amp; Klingeltyp</translation>
    </message>
    <message>
        <source>Accept All</source>
        <comment>119</comment>
        <translation>Alle annehmen</translation>
    </message>
    <message>
        <source>Type 1</source>
        <comment>120</comment>
        <translation>Typ 1</translation>
    </message>
    <message>
        <source>Type 2</source>
        <comment>121</comment>
        <translation>Typ 2</translation>
    </message>
    <message>
        <source>Type 3</source>
        <comment>122</comment>
        <translation>Typ 3</translation>
    </message>
    <message>
        <source>Type 4</source>
        <comment>123</comment>
        <translation>Typ 4</translation>
    </message>
    <message>
        <source>Outgoing Phone Number</source>
        <comment>124</comment>
        <translation>Abgehende Rufnummer</translation>
    </message>
    <message>
        <source>A-law</source>
        <comment>125</comment>
        <translation>A-law</translation>
    </message>
    <message>
        <source>u-law</source>
        <comment>126</comment>
        <translation>u-law</translation>
    </message>
    <message>
        <source>Need Morning Call</source>
        <comment>127</comment>
        <translation>Weckruf</translation>
    </message>
    <message>
        <source>Direct To Outside Line</source>
        <comment>128</comment>
        <translation>Direkte Amtsholung</translation>
    </message>
    <message>
        <source>Show Incoming Caller ID</source>
        <comment>129</comment>
        <translation>Rufnummernanzeige</translation>
    </message>
    <message>
        <source>Enable Outgoing Caller ID</source>
        <comment>130</comment>
        <translation>Rufnummernübermittlung</translation>
    </message>
    <message>
        <source>Enable Call Waiting</source>
        <comment>131</comment>
        <translation>Anklopfen</translation>
    </message>
    <message>
        <source>Enable Take Over</source>
        <comment>132</comment>
        <translation>Gesprächsübernahme</translation>
    </message>
    <message>
        <source>Stop Music On Hold</source>
        <comment>133</comment>
        <translation>Keine Wartemusik</translation>
    </message>
    <message>
        <source>Caller ID Option</source>
        <comment>134</comment>
        <translation>Rufnummernanzeige-Verfahren</translation>
    </message>
    <message>
        <source>DTMF aft-first ring</source>
        <comment>135</comment>
        <translation>DTMF nach 1. Klingeln</translation>
    </message>
    <message>
        <source>FSK aft-first ring</source>
        <comment>136</comment>
        <translation>FSK nach 1. Klingeln</translation>
    </message>
    <message>
        <source>DTMF pre-first ring</source>
        <comment>137</comment>
        <translation>DTMF vor 1. Klingeln</translation>
    </message>
    <message>
        <source>FSK pre-first ring</source>
        <comment>138</comment>
        <translation>FSK vor 1. Klingeln</translation>
    </message>
    <message>
        <source>No Forward</source>
        <comment>139</comment>
        <translation>Keine Weiterschaltung</translation>
    </message>
    <message>
        <source>Busy</source>
        <comment>140</comment>
        <translation>Bei Besetzt</translation>
    </message>
    <message>
        <source>No Answer</source>
        <comment>141</comment>
        <translation>Bei Nichtmelden</translation>
    </message>
    <message>
        <source>Immediately</source>
        <comment>142</comment>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Forward To</source>
        <comment>143</comment>
        <translation>Weiterschalten an</translation>
    </message>
    <message>
        <source>Delay before forwarding on &quot;No Answer&quot;</source>
        <comment>144</comment>
        <translation>Wartezeit vor Weiterschaltung bei Nichtmelden</translation>
    </message>
    <message>
        <source>Sec</source>
        <comment>145</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Forward According To Phone Book If No Answer</source>
        <comment>146</comment>
        <translation>Bei Nichtmelden nach Telefonbuch weiterschalten</translation>
    </message>
    <message>
        <source>Peer Phone Number</source>
        <comment>147</comment>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Peer Name</source>
        <comment>148</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Active</source>
        <comment>149</comment>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>none</source>
        <comment>150</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Dial Range</source>
        <comment>151</comment>
        <translation>Wählbereich</translation>
    </message>
    <message>
        <source>Prefix</source>
        <comment>152</comment>
        <translation>Vorwahl</translation>
    </message>
    <message>
        <source>Active Time Range</source>
        <comment>153</comment>
        <translation>Aktiver Zeitraum</translation>
    </message>
    <message>
        <source>replace</source>
        <comment>154</comment>
        <translation>ersetzen</translation>
    </message>
    <message>
        <source>add</source>
        <comment>155</comment>
        <translation>voranstellen</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <comment>156</comment>
        <translation>Mo-Fr</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <comment>157</comment>
        <translation>Sa-So</translation>
    </message>
    <message>
        <source>Prefer 1 B channel first for MLPPP function when using NDISWAN driver</source>
        <comment>158</comment>
        <translation>Für MLPPP mit NDISWAN-Treiber zuerst einen B-Kanal verwenden</translation>
    </message>
    <message>
        <source>&amp;Load Setting</source>
        <comment>159</comment>
        <translation>Einstellungen &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Setting</source>
        <comment>160</comment>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>L&amp;oad LCR</source>
        <comment>161</comment>
        <translation>LCR l&amp;aden</translation>
    </message>
    <message>
        <source>S&amp;ave LCR</source>
        <comment>162</comment>
        <translation>LCR spe&amp;ichern</translation>
    </message>
    <message>
        <source>Load &amp;Phone Book</source>
        <comment>163</comment>
        <translation>&amp;Telefonbuch laden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>164</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Read from ISDN TA</source>
        <comment>165</comment>
        <translation>Aus ISDN-TA &amp;lesen</translation>
    </message>
    <message>
        <source>Reset to &amp;Default</source>
        <comment>166</comment>
        <translation>Auf &amp;Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Write to ISDN TA</source>
        <comment>167</comment>
        <translation>In ISDN-TA &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;On Line Menu</source>
        <comment>168</comment>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About ISDN TA</source>
        <comment>169</comment>
        <translation>&amp;Über ISDN-TA</translation>
    </message>
    <message>
        <source>Firmware :</source>
        <comment>170</comment>
        <translation>Firmware: </translation>
    </message>
    <message>
        <source>Open Success !</source>
        <comment>171</comment>
        <translation>Öffnen erfolgreich!</translation>
    </message>
    <message>
        <source>Open Fail ! ISDN TA may not active</source>
        <comment>172</comment>
        <translation>Öffnen fehlgeschlagen! ISDN-TA ist womöglich nicht aktiv.</translation>
    </message>
    <message>
        <source>Write to ISDN TA Success !</source>
        <comment>173</comment>
        <translation>Schreiben in ISDN-TA erfolgreich!</translation>
    </message>
    <message>
        <source>Write to ISDN TA Fail ! ISDN TA May not active or busy</source>
        <comment>174</comment>
        <translation>Schreiben in ISDN-TA fehlgeschlagen! ISDN-TA ist womöglich nicht aktiv oder belegt.</translation>
    </message>
    <message>
        <source>Morning Call Time</source>
        <comment>175</comment>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Exclusion Table</source>
        <comment>176</comment>
        <translation>Ausnahmetabelle</translation>
    </message>
    <message>
        <source>About ISDN TA Configuration</source>
        <comment>177</comment>
        <translation>Über ISDN-TA-Konfiguration</translation>
    </message>
    <message>
        <source>ISDN TA Configuration Program</source>
        <comment>178</comment>
        <translation>ISDN-TA-Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>Copyright (C) the ql310set authors. Licensed under GPL-3.0-or-later.</source>
        <comment>179</comment>
        <translation>Copyright (C) die Autoren von ql310set. Lizenz: GPL-3.0-or-later.</translation>
    </message>
    <message>
        <source>                 </source>
        <comment>180</comment>
        <translation>                 </translation>
    </message>
    <message>
        <source>Version</source>
        <comment>181</comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>182</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Range between 1x --&gt;4xxx , the first digit must between be 1 to 4</source>
        <comment>183</comment>
        <translation>Bereich 1x bis 4xxx, die erste Ziffer muss zwischen 1 und 4 liegen</translation>
    </message>
    <message>
        <source>Also appears at FSK CLID box</source>
        <comment>184</comment>
        <translation>Erscheint auch in der FSK-Rufnummernanzeige</translation>
    </message>
    <message>
        <source>Multiple Subscription Number &amp;&amp; Ring Type Setting</source>
        <comment>185</comment>
        <translation>Mehrfachrufnummern (MSN) &amp;&amp; Klingeltyp</translation>
    </message>
    <message>
        <source>01</source>
        <comment>186</comment>
        <translation>01</translation>
    </message>
    <message>
        <source>02</source>
        <comment>187</comment>
        <translation>02</translation>
    </message>
    <message>
        <source>03</source>
        <comment>188</comment>
        <translation>03</translation>
    </message>
    <message>
        <source>04</source>
        <comment>189</comment>
        <translation>04</translation>
    </message>
    <message>
        <source>05</source>
        <comment>190</comment>
        <translation>05</translation>
    </message>
    <message>
        <source>06</source>
        <comment>191</comment>
        <translation>06</translation>
    </message>
    <message>
        <source>07</source>
        <comment>192</comment>
        <translation>07</translation>
    </message>
    <message>
        <source>08</source>
        <comment>193</comment>
        <translation>08</translation>
    </message>
    <message>
        <source>09</source>
        <comment>194</comment>
        <translation>09</translation>
    </message>
    <message>
        <source>10</source>
        <comment>195</comment>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <comment>196</comment>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <comment>197</comment>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <comment>198</comment>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <comment>199</comment>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <comment>200</comment>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <comment>201</comment>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <comment>202</comment>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <comment>203</comment>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <comment>204</comment>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <comment>205</comment>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <comment>206</comment>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <comment>207</comment>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <comment>208</comment>
        <translation>23</translation>
    </message>
    <message>
        <source>24</source>
        <comment>209</comment>
        <translation>24</translation>
    </message>
    <message>
        <source>International</source>
        <comment>210</comment>
        <translation>International</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <comment>211</comment>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Germany</source>
        <comment>212</comment>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Sweden</source>
        <comment>213</comment>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>France</source>
        <comment>214</comment>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <comment>215</comment>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Holland</source>
        <comment>216</comment>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Finland</source>
        <comment>217</comment>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>Denmark</source>
        <comment>218</comment>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <comment>219</comment>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>Australia</source>
        <comment>220</comment>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Norway</source>
        <comment>221</comment>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Italy</source>
        <comment>222</comment>
        <translation>Italien</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>223</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>China</source>
        <comment>224</comment>
        <translation>China</translation>
    </message>
    <message>
        <source>Singapore</source>
        <comment>225</comment>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <comment>226</comment>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Spain</source>
        <comment>227</comment>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Portugal</source>
        <comment>228</comment>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Isreal</source>
        <comment>229</comment>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Poland</source>
        <comment>230</comment>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Czech</source>
        <comment>231</comment>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Hungary</source>
        <comment>232</comment>
        <translation>Ungarn</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <comment>233</comment>
        <translation>Slowenien</translation>
    </message>
    <message>
        <source>Estonia</source>
        <comment>234</comment>
        <translation>Estland</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <comment>235</comment>
        <translation>Slowakei</translation>
    </message>
    <message>
        <source>NewZealand</source>
        <comment>236</comment>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Korea</source>
        <comment>237</comment>
        <translation>Korea</translation>
    </message>
    <message>
        <source>Japan</source>
        <comment>238</comment>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Philippine</source>
        <comment>239</comment>
        <translation>Philippinen</translation>
    </message>
    <message>
        <source>Thiland</source>
        <comment>240</comment>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Turkey</source>
        <comment>241</comment>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Greece</source>
        <comment>242</comment>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Argentina</source>
        <comment>243</comment>
        <translation>Argentinien</translation>
    </message>
    <message>
        <source>Austria</source>
        <comment>244</comment>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <comment>245</comment>
        <translation>Bangladesch</translation>
    </message>
    <message>
        <source>Belgium</source>
        <comment>246</comment>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Brasil</source>
        <comment>247</comment>
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <comment>248</comment>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <source>Canada</source>
        <comment>249</comment>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Chile</source>
        <comment>250</comment>
        <translation>Chile</translation>
    </message>
    <message>
        <source>Colombia</source>
        <comment>251</comment>
        <translation>Kolumbien</translation>
    </message>
    <message>
        <source>Egypt</source>
        <comment>252</comment>
        <translation>Ägypten</translation>
    </message>
    <message>
        <source>Hongkong</source>
        <comment>253</comment>
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>India</source>
        <comment>254</comment>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <comment>255</comment>
        <translation>Indonesien</translation>
    </message>
    <message>
        <source>Iran</source>
        <comment>256</comment>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Iraq</source>
        <comment>257</comment>
        <translation>Irak</translation>
    </message>
    <message>
        <source>Ireland</source>
        <comment>258</comment>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Mexico</source>
        <comment>259</comment>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Peru</source>
        <comment>260</comment>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Portugal</source>
        <comment>261</comment>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Romania</source>
        <comment>262</comment>
        <translation>Rumänien</translation>
    </message>
    <message>
        <source>Russia</source>
        <comment>263</comment>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <comment>264</comment>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <source>South Africa</source>
        <comment>265</comment>
        <translation>Südafrika</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>266</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <comment>267</comment>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <comment>268</comment>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>269</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>270</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>271</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>272</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>273</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>274</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>275</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>276</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>277</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>278</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>279</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>280</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>281</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>282</comment>
        <translation>xxxxxx</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <comment>283</comment>
        <translation>Anrufweiterschaltung</translation>
    </message>
    <message>
        <source>00</source>
        <comment>284</comment>
        <translation>00</translation>
    </message>
    <message>
        <source>01</source>
        <comment>285</comment>
        <translation>01</translation>
    </message>
    <message>
        <source>02</source>
        <comment>286</comment>
        <translation>02</translation>
    </message>
    <message>
        <source>03</source>
        <comment>287</comment>
        <translation>03</translation>
    </message>
    <message>
        <source>04</source>
        <comment>288</comment>
        <translation>04</translation>
    </message>
    <message>
        <source>05</source>
        <comment>289</comment>
        <translation>05</translation>
    </message>
    <message>
        <source>06</source>
        <comment>290</comment>
        <translation>06</translation>
    </message>
    <message>
        <source>07</source>
        <comment>291</comment>
        <translation>07</translation>
    </message>
    <message>
        <source>08</source>
        <comment>292</comment>
        <translation>08</translation>
    </message>
    <message>
        <source>09</source>
        <comment>293</comment>
        <translation>09</translation>
    </message>
    <message>
        <source>10</source>
        <comment>294</comment>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <comment>295</comment>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <comment>296</comment>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <comment>297</comment>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <comment>298</comment>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <comment>299</comment>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <comment>300</comment>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <comment>301</comment>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <comment>302</comment>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <comment>303</comment>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <comment>304</comment>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <comment>305</comment>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <comment>306</comment>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <comment>307</comment>
        <translation>23</translation>
    </message>
    <message>
        <source>24</source>
        <comment>308</comment>
        <translation>24</translation>
    </message>
    <message>
        <source>25</source>
        <comment>309</comment>
        <translation>25</translation>
    </message>
    <message>
        <source>26</source>
        <comment>310</comment>
        <translation>26</translation>
    </message>
    <message>
        <source>27</source>
        <comment>311</comment>
        <translation>27</translation>
    </message>
    <message>
        <source>28</source>
        <comment>312</comment>
        <translation>28</translation>
    </message>
    <message>
        <source>29</source>
        <comment>313</comment>
        <translation>29</translation>
    </message>
    <message>
        <source>30</source>
        <comment>314</comment>
        <translation>30</translation>
    </message>
    <message>
        <source>31</source>
        <comment>315</comment>
        <translation>31</translation>
    </message>
    <message>
        <source>32</source>
        <comment>316</comment>
        <translation>32</translation>
    </message>
    <message>
        <source>33</source>
        <comment>317</comment>
        <translation>33</translation>
    </message>
    <message>
        <source>34</source>
        <comment>318</comment>
        <translation>34</translation>
    </message>
    <message>
        <source>35</source>
        <comment>319</comment>
        <translation>35</translation>
    </message>
    <message>
        <source>36</source>
        <comment>320</comment>
        <translation>36</translation>
    </message>
    <message>
        <source>37</source>
        <comment>321</comment>
        <translation>37</translation>
    </message>
    <message>
        <source>38</source>
        <comment>322</comment>
        <translation>38</translation>
    </message>
    <message>
        <source>39</source>
        <comment>323</comment>
        <translation>39</translation>
    </message>
    <message>
        <source>40</source>
        <comment>324</comment>
        <translation>40</translation>
    </message>
    <message>
        <source>41</source>
        <comment>325</comment>
        <translation>41</translation>
    </message>
    <message>
        <source>42</source>
        <comment>326</comment>
        <translation>42</translation>
    </message>
    <message>
        <source>43</source>
        <comment>327</comment>
        <translation>43</translation>
    </message>
    <message>
        <source>44</source>
        <comment>328</comment>
        <translation>44</translation>
    </message>
    <message>
        <source>45</source>
        <comment>329</comment>
        <translation>45</translation>
    </message>
    <message>
        <source>46</source>
        <comment>330</comment>
        <translation>46</translation>
    </message>
    <message>
        <source>47</source>
        <comment>331</comment>
        <translation>47</translation>
    </message>
    <message>
        <source>48</source>
        <comment>332</comment>
        <translation>48</translation>
    </message>
    <message>
        <source>49</source>
        <comment>333</comment>
        <translation>49</translation>
    </message>
    <message>
        <source>50</source>
        <comment>334</comment>
        <translation>50</translation>
    </message>
    <message>
        <source>51</source>
        <comment>335</comment>
        <translation>51</translation>
    </message>
    <message>
        <source>52</source>
        <comment>336</comment>
        <translation>52</translation>
    </message>
    <message>
        <source>53</source>
        <comment>337</comment>
        <translation>53</translation>
    </message>
    <message>
        <source>54</source>
        <comment>338</comment>
        <translation>54</translation>
    </message>
    <message>
        <source>55</source>
        <comment>339</comment>
        <translation>55</translation>
    </message>
    <message>
        <source>56</source>
        <comment>340</comment>
        <translation>56</translation>
    </message>
    <message>
        <source>57</source>
        <comment>341</comment>
        <translation>57</translation>
    </message>
    <message>
        <source>58</source>
        <comment>342</comment>
        <translation>58</translation>
    </message>
    <message>
        <source>59</source>
        <comment>343</comment>
        <translation>59</translation>
    </message>
    <message>
        <source>60</source>
        <comment>344</comment>
        <translation>60</translation>
    </message>
    <message>
        <source>The phone number such as local code and country code</source>
        <comment>345</comment>
        <translation>Die Rufnummer samt Orts- und Landesvorwahl</translation>
    </message>
    <message>
        <source>Allows the prefix to be replaced or added</source>
        <comment>346</comment>
        <translation>Die Vorwahl kann ersetzt oder vorangestellt werden</translation>
    </message>
    <message>
        <source>The phone code allows you to benefits the better tariff</source>
        <comment>347</comment>
        <translation>Mit der Vorwahl nutzen Sie den günstigeren Tarif</translation>
    </message>
    <message>
        <source>Call to remote party without dialing &quot;0&quot; if checked</source>
        <comment>348</comment>
        <translation>Anrufe nach außen ohne Wahl der „0“, wenn markiert</translation>
    </message>
    <message>
        <source>Call to remote party with dialing &quot;0&quot;</source>
        <comment>349</comment>
        <translation>Anrufe nach außen mit Wahl der „0“</translation>
    </message>
    <message>
        <source>Receive and send a second call</source>
        <comment>350</comment>
        <translation>Einen zweiten Anruf annehmen oder führen</translation>
    </message>
    <message>
        <source>Take an on-going incoming call from another extension</source>
        <comment>351</comment>
        <translation>Einen laufenden Anruf von einer anderen Nebenstelle übernehmen</translation>
    </message>
    <message>
        <source>No waiting music while call in on hold</source>
        <comment>352</comment>
        <translation>Keine Wartemusik, während ein Anruf gehalten wird</translation>
    </message>
    <message>
        <source>Please refer to the &quot;Caller ID Option&quot; at user manual or on-line help</source>
        <comment>353</comment>
        <translation>Siehe „Rufnummernanzeige-Verfahren“ im Handbuch oder in der Online-Hilfe</translation>
    </message>
    <message>
        <source>Please refer to the &quot;Distinctive Ringing&quot; at user manual or on-line help</source>
        <comment>354</comment>
        <translation>Siehe „Klingeltyp“ im Handbuch oder in der Online-Hilfe</translation>
    </message>
    <message>
        <source>Can appear at remote site</source>
        <comment>355</comment>
        <translation>Kann bei der Gegenstelle erscheinen</translation>
    </message>
    <message>
        <source>Enter phone number for calling remote party</source>
        <comment>356</comment>
        <translation>Rufnummer der Gegenstelle eingeben</translation>
    </message>
    <message>
        <source>Enter phone number for calling remote party</source>
        <comment>357</comment>
        <translation>Rufnummer der Gegenstelle eingeben</translation>
    </message>
    <message>
        <source>Enter phone number of local extension or remote party</source>
        <comment>358</comment>
        <translation>Rufnummer der Nebenstelle oder Gegenstelle eingeben</translation>
    </message>
    <message>
        <source>Save Phone &amp;Book</source>
        <comment>359</comment>
        <translation>Telefonbuch spei&amp;chern</translation>
    </message>
    <message>
        <source>Mon-Sun</source>
        <comment>360</comment>
        <translation>Mo-So</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>361</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <comment>362</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Table (1-&gt;20)</source>
        <comment>363</comment>
        <translation>Tabelle (1-&gt;20)</translation>
    </message>
    <message>
        <source>All</source>
        <comment>364</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>365</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <comment>366</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>add/replace</source>
        <comment>367</comment>
        <translation>voranstellen/ersetzen</translation>
    </message>
    <message>
        <source>Number</source>
        <comment>368</comment>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Hour</source>
        <comment>369</comment>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Period</source>
        <comment>370</comment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Yes/No</source>
        <comment>371</comment>
        <translation>Ja/Nein</translation>
    </message>
    <message>
        <source>Call Logging</source>
        <comment>372</comment>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>Port1</source>
        <comment>373</comment>
        <translation>Port1</translation>
    </message>
    <message>
        <source>Port2</source>
        <comment>374</comment>
        <translation>Port2</translation>
    </message>
    <message>
        <source>Port3</source>
        <comment>375</comment>
        <translation>Port3</translation>
    </message>
    <message>
        <source>Port4</source>
        <comment>376</comment>
        <translation>Port4</translation>
    </message>
    <message>
        <source>Data(B1)</source>
        <comment>377</comment>
        <translation>Data(B1)</translation>
    </message>
    <message>
        <source>Data(B2)</source>
        <comment>378</comment>
        <translation>Data(B2)</translation>
    </message>
    <message>
        <source>Port</source>
        <comment>379</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <comment>380</comment>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Start Time</source>
        <comment>381</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End Time</source>
        <comment>382</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>383</comment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source> IN</source>
        <comment>384</comment>
        <translation> IN</translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>385</comment>
        <translation>OUT</translation>
    </message>
    <message>
        <source>Call &amp;Logging</source>
        <comment>386</comment>
        <translation>&amp;Anrufliste</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <comment>387</comment>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>All</source>
        <comment>388</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Range</source>
        <comment>389</comment>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>  Month  / Day  /  Year      --&gt;   Month  /  Day   / Year</source>
        <comment>390</comment>
        <translation>  Monat  / Tag  /  Jahr      --&gt;   Monat  /  Tag   / Jahr</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>391</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Canel</source>
        <comment>392</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear Call Logging</source>
        <comment>393</comment>
        <translation>Anrufliste löschen</translation>
    </message>
    <message>
        <source>This time you got</source>
        <comment>394</comment>
        <translation>Diesmal wurden</translation>
    </message>
    <message>
        <source>records in Call Logging.</source>
        <comment>395</comment>
        <translation>Einträge in die Anrufliste gelesen.</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <comment>396</comment>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <comment>397</comment>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <comment>398</comment>
        <translation>&amp;Aufsteigend</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <comment>399</comment>
        <translation>A&amp;bsteigend</translation>
    </message>
    <message>
        <source>Tran(B1)</source>
        <comment>400</comment>
        <translation>Tran(B1)</translation>
    </message>
    <message>
        <source>Tran(B2)</source>
        <comment>401</comment>
        <translation>Tran(B2)</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>402</comment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Writing to ISDN TA now?</source>
        <comment>403</comment>
        <translation>Jetzt in ISDN-TA schreiben?</translation>
    </message>
    <message>
        <source>Waring! ISDN TA is not connected.</source>
        <comment>404</comment>
        <translation>Achtung! ISDN-TA ist nicht verbunden.</translation>
    </message>
    <message>
        <source>&amp;Upgrade Firmware</source>
        <comment>405</comment>
        <translation>&amp;Firmware aktualisieren</translation>
    </message>
    <message>
        <source>In/Out</source>
        <comment>406</comment>
        <translation>Art</translation>
    </message>
    <message>
        <source>BOD</source>
        <comment>407</comment>
        <translation>BOD</translation>
    </message>
    <message>
        <source>1.Minimum 2nd B channel connection :</source>
        <comment>408</comment>
        <translation>1. Mindestdauer der 2. B-Kanal-Verbindung:</translation>
    </message>
    <message>
        <source>2.Delay for 2nd B channel reconnect :</source>
        <comment>409</comment>
        <translation>2. Wartezeit vor Neuaufbau des 2. B-Kanals:</translation>
    </message>
    <message>
        <source>3.Open 2nd B channel above :</source>
        <comment>410</comment>
        <translation>3. 2. B-Kanal öffnen über:</translation>
    </message>
    <message>
        <source>4.Close 2nd B channel below :</source>
        <comment>411</comment>
        <translation>4. 2. B-Kanal schließen unter:</translation>
    </message>
    <message>
        <source>CPS</source>
        <comment>412</comment>
        <translation>CPS</translation>
    </message>
    <message>
        <source>The value of &quot;Item4&quot; must be less than the &quot;Item3&quot;.</source>
        <comment>413</comment>
        <translation>Der Wert von „Item4“ muss kleiner als „Item3“ sein.</translation>
    </message>
    <message>
        <source>DDI Function</source>
        <comment>414</comment>
        <translation>DDI-Funktion</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>415</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Point to Point</source>
        <comment>416</comment>
        <translation>Anlagenanschluss</translation>
    </message>
    <message>
        <source>Point to MP</source>
        <comment>417</comment>
        <translation>Mehrgeräteanschluss</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>418</comment>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <comment>419</comment>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Call forwarding of supplementary service:</source>
        <comment>420</comment>
        <translation>Anrufweiterschaltung (Dienstmerkmal):</translation>
    </message>
    <message>
        <source>Activate</source>
        <comment>421</comment>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <comment>422</comment>
        <translation>Deaktivieren</translation>
    </message>
</context>
<context>
    <name>ql310::calllog::CallFilterBar</name>
    <message>
        <source>Number or name</source>
        <translation>Rufnummer oder Name</translation>
    </message>
    <message>
        <source>Search calls by number or name</source>
        <translation>Anrufe nach Rufnummer oder Name suchen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>All directions</source>
        <translation>Alle Richtungen</translation>
    </message>
    <message>
        <source>Incoming</source>
        <translation>Eingehend</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Abgehend</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Alle Ports</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Lost only</source>
        <translation>Nur verpasste</translation>
    </message>
    <message>
        <source>In progress only</source>
        <translation>Nur laufende</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>No calls: the first day is after the last day.</source>
        <translation>Keine Anrufe: Der erste Tag liegt nach dem letzten Tag.</translation>
    </message>
    <message>
        <source>%1 of %2 calls</source>
        <translation>%1 von %2 Anrufen</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <extracomment>The format of the filter&apos;s dates (QDate::toString).</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
</context>
<context>
    <name>ql310::calllog::CallLogGrid</name>
    <message>
        <source>No calls</source>
        <translation>Keine Anrufe</translation>
    </message>
    <message>
        <source>Calls %L1 to %L2 of %L3</source>
        <translation>Anrufe %L1 bis %L2 von %L3</translation>
    </message>
</context>
<context>
    <name>ql310::calllog::CallLogWorkbench</name>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistik…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>the call log is not open</source>
        <translation>die Anrufliste ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The calls could not be exported to %1: %2. The file was not changed.</source>
        <translation>Die Anrufe konnten nicht nach %1 exportiert werden: %2. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv) | *.csv|JSON Files (*.json) | *.json</source>
        <translation>CSV-Dateien (*.csv) | *.csv|JSON-Dateien (*.json) | *.json</translation>
    </message>
</context>
<context>
    <name>ql310::calllog::StatisticsWindow</name>
    <message>
        <source>Call Logging Statistics</source>
        <translation>Statistik der Anrufliste</translation>
    </message>
    <message>
        <source>Save Chart...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>Calls a Day</source>
        <translation>Anrufe pro Tag</translation>
    </message>
    <message>
        <source>Talk Time per Port</source>
        <translation>Gesprächsdauer pro Port</translation>
    </message>
    <message>
        <source>Lost Calls a Day</source>
        <translation>Verpasste Anrufe pro Tag</translation>
    </message>
    <message>
        <source>Most Calls</source>
        <translation>Meiste Anrufe</translation>
    </message>
    <message>
        <source>Longest Talk Time</source>
        <translation>Längste Gesprächsdauer</translation>
    </message>
    <message>
        <source>The call log cannot be read.</source>
        <translation>Die Anrufliste kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 calls, %2 lost, talk time %3:%4:%5 (lost calls not counted)</source>
        <translation>%1 Anrufe, %2 verpasst, Gesprächsdauer %3:%4:%5 (verpasste Anrufe nicht gezählt)</translation>
    </message>
    <message>
        <source>*: calls of these days are missing, the adapter&apos;s memory of 90 calls overflowed before it was read.</source>
        <translation>*: Anrufe dieser Tage fehlen, der Speicher des ISDN-TA für 90 Anrufe ist übergelaufen, bevor er gelesen wurde.</translation>
    </message>
    <message>
        <source>Incoming</source>
        <translation>Eingehend</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Abgehend</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verpasst</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved in %1: %2. The file was not changed.</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden: %2. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>yyyy-MM</source>
        <comment>month of the statistics (QDate::toString)</comment>
        <translation>MM.yyyy</translation>
    </message>
    <message>
        <source>MM-dd</source>
        <comment>day of the statistics (QDate::toString)</comment>
        <translation>dd.MM.</translation>
    </message>
    <message>
        <source>PNG Files (*.png) | *.png|SVG Files (*.svg) | *.svg</source>
        <translation>PNG-Dateien (*.png) | *.png|SVG-Dateien (*.svg) | *.svg</translation>
    </message>
</context>
<context>
    <name>ql310::collection::CollectionLines</name>
    <message>
        <source>&amp;Dismiss</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>New calls were fetched.</source>
        <translation>Neue Anrufe wurden abgerufen.</translation>
    </message>
    <message>
        <source>Missing calls</source>
        <translation>Fehlende Anrufe</translation>
    </message>
    <message>
        <source>New calls</source>
        <translation>Neue Anrufe</translation>
    </message>
</context>
</TS>
