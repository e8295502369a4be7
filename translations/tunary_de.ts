<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/help/ui/AboutBox.cpp" line="+22"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TUNARY logo</source>
        <translation>TUNARY-Logo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A play-list editor for MP3 lists in M3U files, made by the TUNARY developers.</source>
        <translation>Ein Editor für MP3-Wiedergabelisten in M3U-Dateien, geschrieben von den Entwicklern von TUNARY.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programming: the TUNARY developers
Testing: everyone who keeps their music in play lists</source>
        <translation>Programmierung: die Entwickler von TUNARY
Tests: alle, die ihre Musik in Wiedergabelisten ordnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Questions and comments are welcome: please report them where you got TUNARY.</source>
        <translation>Fragen und Anmerkungen sind willkommen: Bitte richten Sie sie an die Stelle, von der Sie TUNARY haben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TUNARY may be copied and given away freely, unchanged.</source>
        <translation>TUNARY darf unverändert frei kopiert und weitergegeben werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released under the MIT License; see the LICENSE file.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz; siehe die Datei LICENSE.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ystem Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <location filename="../src/core/ErrorMessages.cpp" line="+33"/>
        <source>Can&apos;t find Settings file &lt;folder&gt;</source>
        <translation>Einstellungsdatei in &lt;folder&gt; nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The INI (settings) file is missing, maybe this is the first time you have run the program, you will not be able to play files with out this.</source>
        <translation>Die INI-Datei (Einstellungen) fehlt. Vielleicht starten Sie das Programm zum ersten Mal. Ohne diese Datei können keine Dateien abgespielt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter your settings  to correct this problem.</source>
        <translation>Bitte geben Sie Ihre Einstellungen ein, um das Problem zu beheben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+8"/>
        <source>Can&apos;t find Winamp!</source>
        <translation>Winamp nicht gefunden!</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Please enter the path for Winamp in to the settings box.</source>
        <translation>Bitte geben Sie den Pfad zu Winamp in den Einstellungen ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you do not have Winamp then this program will not be able to play Mp3, however M3U list can stil be edited and or created</source>
        <translation>Ohne Winamp kann dieses Programm keine MP3-Dateien abspielen; M3U-Listen lassen sich aber trotzdem anlegen und bearbeiten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Winamp was not found on this drive, please select another drive to search</source>
        <translation>Winamp wurde auf diesem Laufwerk nicht gefunden. Bitte wählen Sie ein anderes Laufwerk für die Suche.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can&apos;t find Directory</source>
        <translation>Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please fill in settings box.</source>
        <translation>Bitte füllen Sie die Einstellungen aus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There are no MP3 in the list.</source>
        <translation>Die Liste enthält keine MP3-Dateien.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The disk is write protected. The Setting were not saved.</source>
        <translation>Der Datenträger ist schreibgeschützt. Die Einstellungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Can&apos;t find Path</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter a valid path in the settings box</source>
        <translation>Bitte geben Sie in den Einstellungen einen gültigen Pfad ein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No M3U File</source>
        <translation>Keine M3U-Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file :&lt;open-and-play&gt; Can not be found.</source>
        <translation>Die Datei &lt;open-and-play&gt; wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Please Enter a valid M3U file in to the &apos;open and play&apos; box</source>
        <translation>Bitte geben Sie im Feld „Öffnen und abspielen“ eine gültige M3U-Datei ein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Font</source>
        <translation>Keine Schriftart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select a Font for TUNARY to use.</source>
        <translation>Bitte wählen Sie eine Schriftart für TUNARY.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bad file format</source>
        <translation>Falsches Dateiformat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;command line&gt; is not a .M3U file and can not be opened</source>
        <translation>&lt;command line&gt; ist keine .M3U-Datei und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Error Number: %1</source>
        <translation>Fehlernummer: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Error rised: %1</source>
        <translation>Aufgetretener Fehler: %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <location filename="../src/files/FileDialog.cpp" line="+30"/>
        <source>Save List</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save and Close List</source>
        <translation>Liste speichern und schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open MP3 Player</source>
        <translation>MP3-Player öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select default M3U</source>
        <translation>Standard-M3U auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to over write this file?</source>
        <translation>Möchten Sie diese Datei wirklich überschreiben?</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Please type a file name first.</source>
        <translation>Bitte geben Sie zuerst einen Dateinamen ein.</translation>
    </message>
</context>
<context>
    <name>FileDialogWindow</name>
    <message>
        <location filename="../src/files/ui/FileDialogWindow.cpp" line="+30"/>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File of Type:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <location filename="../src/files/Finder.cpp" line="+24"/>
        <source>Add MP3</source>
        <translation>MP3 hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open M3U</source>
        <translation>M3U öffnen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No folder is set.</source>
        <translation>Es ist kein Ordner eingestellt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>FinderWindow</name>
    <message>
        <location filename="../src/files/ui/FinderWindow.cpp" line="+37"/>
        <source>Se&amp;arch</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>TUNARY is Searching for files at the moment. Please Wait.</source>
        <translation>TUNARY sucht gerade nach Dateien. Bitte warten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looking For:</source>
        <translation>Gesucht:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All &amp;music files</source>
        <translation>Alle &amp;Musikdateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>Öff&amp;nen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>He&amp;lp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Files found</source>
        <translation>Gefundene Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>1 file found so far</source>
        <translation>Bisher 1 Datei gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1 file found</source>
        <translation>1 Datei gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 files found so far</source>
        <translation>Bisher %L1 Dateien gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%L1 files found</source>
        <translation>%L1 Dateien gefunden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Add File</source>
        <translation>&amp;Dateisuche schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Select All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add to List</source>
        <translation>Zur &amp;Liste hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help for &amp;Add File</source>
        <translation>Hilfe zum &amp;Hinzufügen von Dateien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About TUNARY</source>
        <translation>Über TUNARY</translation>
    </message>
</context>
<context>
    <name>FolderList</name>
    <message>
        <location filename="../src/files/ui/FolderList.cpp" line="+34"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>HandOff</name>
    <message>
        <location filename="../src/app/HandOff.cpp" line="+130"/>
        <source>The hand-off file %1 is in use.</source>
        <translation>Die Übergabedatei %1 wird gerade verwendet.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/help/HelpTopics.cpp" line="+27"/>
        <source>Opening Play lists </source>
        <translation>Wiedergabelisten öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Just click on the Play list you wish to open and a new window will open with that play list.</source>
        <translation>Klicken Sie einfach auf die Wiedergabeliste, die Sie öffnen möchten; sie wird in einem neuen Fenster geöffnet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>When you have opened all the files you require, Press Close.</source>
        <translation>Wenn Sie alle gewünschten Dateien geöffnet haben, klicken Sie auf „Schließen“.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adding MP3 Files (1) </source>
        <translation>MP3-Dateien hinzufügen (1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drag the MP3 files from the Add file window to the required play list window </source>
        <translation>Ziehen Sie die MP3-Dateien aus dem Fenster „MP3 hinzufügen“ in das Fenster der gewünschten Wiedergabeliste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Searching</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To search press the search button, the program will then search from the current directory for any files of the type you are looking for.</source>
        <translation>Klicken Sie zum Suchen auf „Suchen“. Das Programm sucht dann ab dem aktuellen Verzeichnis nach allen Dateien des gesuchten Typs.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help for Help</source>
        <translation>Hilfe zur Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Just click on a the subject you require help on.</source>
        <translation>Klicken Sie einfach auf das Thema, zu dem Sie Hilfe brauchen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INI Update</source>
        <translation>INI-Aktualisierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next time you start TUNARY these settings will be used.</source>
        <translation>Beim nächsten Start von TUNARY werden diese Einstellungen verwendet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changing player path</source>
        <translation>Pfad des Players ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunary requires a MP3 player to play m3p files.</source>
        <translation>TUNARY braucht einen MP3-Player, um Dateien abzuspielen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click on Change to look for it your self, or click on the search Tab and TUNARY will look for you.</source>
        <translation>Klicken Sie auf „Durchsuchen“, um ihn selbst auszuwählen, oder auf „Suchen“, damit TUNARY ihn für Sie sucht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Changing MP3 path</source>
        <translation>MP3-Pfad ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Here you can select you directory that holds your MP3 files (if Applicable) doing this will speed up the process of making play list.</source>
        <translation>Hier können Sie das Verzeichnis mit Ihren MP3-Dateien wählen (falls vorhanden). Das beschleunigt das Erstellen von Wiedergabelisten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>If you do not have one set place that your holds your MP3 files, please Enter a sutible path (C:\) this is were TUNARY will start looking when you add a MP3 to a play list.</source>
        <translation>Wenn Ihre MP3-Dateien nicht an einem festen Ort liegen, geben Sie bitte einen passenden Pfad ein (C:\). Dort beginnt TUNARY mit der Suche, wenn Sie einer Wiedergabeliste eine MP3-Datei hinzufügen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+115"/>
        <source>Why does it always start there?</source>
        <translation>Warum beginnt es immer dort?</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>TUNARY will look in the directory you have set as you MP3 collection directory. to change this enter the setting by selecting &apos;settings&apos; form the menu.</source>
        <translation>TUNARY sucht in dem Verzeichnis, das Sie als Verzeichnis Ihrer MP3-Sammlung eingestellt haben. Um es zu ändern, wählen Sie im Menü „Einstellungen“.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I can&apos;t select all the MP3&apos;s at once.</source>
        <translation>Ich kann nicht alle MP3-Dateien auf einmal auswählen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Just right click your mouse over the MP3 file list and click select all, in order to drag these files to a play list hold down &lt;SHIFT&gt; and &lt;CTRL&gt; on the keyboard and drag.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Liste der MP3-Dateien und wählen Sie „Alles auswählen“. Um diese Dateien in eine Wiedergabeliste zu ziehen, halten Sie &lt;UMSCHALT&gt; und &lt;STRG&gt; gedrückt und ziehen Sie sie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Moving items up and down the play list.</source>
        <translation>Einträge in der Wiedergabeliste nach oben und unten verschieben.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold down &lt;Ctrl&gt; and press the up/down arrow to move the Items up and down the list.</source>
        <translation>Halten Sie &lt;Strg&gt; gedrückt und drücken Sie die Pfeiltaste nach oben oder unten, um Einträge in der Liste zu verschieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Playing the files</source>
        <translation>Dateien abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Just double click the file to play it.</source>
        <translation>Doppelklicken Sie einfach auf eine Datei, um sie abzuspielen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changing the TUNARY Colour</source>
        <translation>Die Farbe von TUNARY ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use the slider bars to make a new color or click on one of the default colours, the background colour will change when the &apos;OK&apos; button is pressed.</source>
        <translation>Mischen Sie mit den Schiebereglern eine neue Farbe oder klicken Sie auf eine der Standardfarben. Die Hintergrundfarbe ändert sich, sobald Sie auf „OK“ klicken.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+81"/>
        <source>Changing the M3U path</source>
        <translation>Den M3U-Pfad ändern</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>here you can state where the program looks for M3U files first, the setting should be set to speed loading and saving.</source>
        <translation>Hier legen Sie fest, wo das Programm zuerst nach M3U-Dateien sucht. Diese Einstellung beschleunigt das Laden und Speichern.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Moving a whole list</source>
        <translation>Eine ganze Liste verschieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In order to move a whole list to another Select all the MP3 and hold down &lt;SHIFT&gt; and &lt;CTRL&gt; then drag the files to the required list.</source>
        <translation>Um eine ganze Liste in eine andere zu verschieben, wählen Sie alle MP3-Dateien aus, halten &lt;UMSCHALT&gt; und &lt;STRG&gt; gedrückt und ziehen die Dateien in die gewünschte Liste.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move ratter then copy option</source>
        <translation>Option „Verschieben statt kopieren“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>When draging files from one playlist to another this option selects whether the song is deleted from the source list or not.</source>
        <translation>Beim Ziehen von Dateien aus einer Wiedergabeliste in eine andere legt diese Option fest, ob das Lied aus der Quellliste entfernt wird.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Playing a default list</source>
        <translation>Eine Standardliste abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use can use this option to play a list when Tunary starts.</source>
        <translation>Mit dieser Option können Sie beim Start von TUNARY eine Liste abspielen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>always sort option</source>
        <translation>Option „Immer sortieren“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>use can use this option to sort a playlist when it is FIRST opened</source>
        <translation>Mit dieser Option wird eine Wiedergabeliste beim ERSTEN Öffnen sortiert.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Help Number: %1</source>
        <translation>Hilfe Nummer: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Options</source>
        <translation>Möglichkeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>From Here you can do four things:</source>
        <translation>Von hier aus können Sie vier Dinge tun:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make a New MP3 play list</source>
        <translation>Eine neue MP3-Wiedergabeliste anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an Existing MP3 Play list</source>
        <translation>Eine vorhandene MP3-Wiedergabeliste öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit TUNARY</source>
        <translation>TUNARY beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These items can be found in the File Menu</source>
        <translation>Diese Befehle finden Sie im Menü „Datei“.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>There is no help for this topic.</source>
        <translation>Zu diesem Thema gibt es keine Hilfe.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Moving items up/down a list.</source>
        <translation>Einträge in einer Liste verschieben.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Playing Files.</source>
        <translation>Dateien abspielen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changing Winamp path</source>
        <translation>Winamp-Pfad ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changing Default MP3 Directory</source>
        <translation>Standardverzeichnis für MP3 ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changing Default &apos;TUNARY&apos; Colour</source>
        <translation>Standardfarbe von TUNARY ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>playing a defult list</source>
        <translation>Eine Standardliste abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always Sort option</source>
        <translation>Option „Immer sortieren“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opening M3U play list</source>
        <translation>M3U-Wiedergabeliste öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adding MP3 files to a play list </source>
        <translation>MP3-Dateien zu einer Wiedergabeliste hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help for Searching</source>
        <translation>Hilfe zur Suche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I cant select all the files at once.</source>
        <translation>Ich kann nicht alle Dateien auf einmal auswählen.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/help/ui/HelpWindow.cpp" line="+22"/>
        <source>Help Menu</source>
        <translation>Hilfemenü</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close Help</source>
        <translation>Hilfe &amp;schließen</translation>
    </message>
</context>
<context>
    <name>LocalSingleInstance</name>
    <message>
        <location filename="../src/platform/ui/LocalSingleInstance.cpp" line="+163"/>
        <source>TUNARY cannot tell whether it is already running: the lock file %1 is in use but names no running copy. If no TUNARY window is open, delete that file and start TUNARY again.</source>
        <translation>TUNARY kann nicht feststellen, ob es bereits läuft: Die Sperrdatei %1 ist belegt, nennt aber keine laufende Instanz. Wenn kein TUNARY-Fenster offen ist, löschen Sie diese Datei und starten Sie TUNARY erneut.</translation>
    </message>
</context>
<context>
    <name>M3UFile</name>
    <message>
        <location filename="../src/playlist/M3UFile.cpp" line="+430"/>
        <location line="+9"/>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/ui/MainWindow.cpp" line="+82"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Play List</source>
        <translation>&amp;Neue Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Play List</source>
        <translation>Wiedergabeliste ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help  &amp;What do I do Next </source>
        <translation>Hilfe  &amp;Was mache ich als Nächstes </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About TUNARY</source>
        <translation>Über TUNARY</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <location filename="../src/widgets/MenuCommands.cpp" line="+35"/>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tile &amp;Horizontally</source>
        <translation>&amp;Horizontal nebeneinander</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tile &amp;Vertically</source>
        <translation>&amp;Vertikal nebeneinander</translation>
    </message>
</context>
<context>
    <name>MovedFilesDialog</name>
    <message>
        <location filename="../src/playlist/ui/MovedFilesDialog.cpp" line="+29"/>
        <source>&amp;Stop</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Moved Files</source>
        <translation>Verschobene Dateien suchen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found at</source>
        <translation>Gefunden in</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Also found</source>
        <translation>Auch gefunden</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Looked at %1 files, found %2.</source>
        <translation>%1 Dateien durchgesehen, %2 gefunden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No file of this list is missing.</source>
        <translation>In dieser Liste fehlt keine Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No moved file was found.</source>
        <translation>Es wurde keine verschobene Datei gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Found %1 of %2 missing files.</source>
        <translation>%1 von %2 fehlenden Dateien gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The search was stopped.</source>
        <translation>Die Suche wurde angehalten.</translation>
    </message>
</context>
<context>
    <name>PlayList</name>
    <message>
        <location filename="../src/playlist/OpenLists.cpp" line="+76"/>
        <source>%1 is larger than %2 MB and can not be opened</source>
        <translation>%1 ist größer als %2 MB und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>List Too Large</source>
        <translation>Liste zu groß</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>The list is still being sorted.</source>
        <translation>Die Liste wird noch sortiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list is still being saved.</source>
        <translation>Die Liste wird noch gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list is still being read.</source>
        <translation>Die Liste wird noch gelesen.</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Save First?</source>
        <translation>Zuerst speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../src/playlist/Player.cpp" line="+78"/>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The player is TUNARY itself: choose another one in Settings &gt; Configuration.</source>
        <translation>Der eingestellte Player ist TUNARY selbst: Bitte wählen Sie unter Einstellungen &gt; Konfiguration einen anderen.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>TUNARY was handed back one of its own play files:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>The player in Settings &gt; Configuration (%2) seems to give its lists back to TUNARY, so they are not played again. Please choose another player.</source>
        <translation>TUNARY hat eine seiner eigenen Abspieldateien zurückbekommen:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Der Player unter Einstellungen &gt; Konfiguration (%2) scheint seine Listen an TUNARY zurückzugeben, daher werden sie nicht noch einmal abgespielt. Bitte wählen Sie einen anderen Player.</translation>
    </message>
    <message>
        <location filename="../src/playlist/PlayList.cpp" line="+461"/>
        <source>Untitled %1</source>
        <translation>Unbenannt %1</translation>
    </message>
    <message>
        <location filename="../src/playlist/PlayListEdits.cpp" line="+125"/>
        <source>Relative Paths</source>
        <translation>Relative Pfade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Absolute Paths</source>
        <translation>Absolute Pfade</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Remove an Entry</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Remove the Selected Entries</source>
        <translation>Ausgewählte Einträge entfernen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/playlist/PlayList.cpp" line="-171"/>
        <location line="+37"/>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <location filename="../src/playlist/PlayListEdits.cpp" line="+10"/>
        <source>Remove Missing</source>
        <translation>Fehlende entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/playlist/PlayListFiles.cpp" line="+144"/>
        <source>Titles from Tags</source>
        <translation>Titel aus Tags</translation>
    </message>
    <message>
        <location line="+87"/>
        <location filename="../src/playlist/ui/PlayListWindow.cpp" line="+443"/>
        <source>Find Moved Files</source>
        <translation>Verschobene Dateien suchen</translation>
    </message>
    <message>
        <location filename="../src/playlist/PlayListModel.cpp" line="+66"/>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/playlist/ui/PlayListWindow.cpp" line="-307"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>Reading the list...</source>
        <translation>Die Liste wird gelesen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Splitting the list into entries...</source>
        <translation>Die Liste wird in Einträge zerlegt...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorting the list...</source>
        <translation>Die Liste wird sortiert...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saving the list...</source>
        <translation>Die Liste wird gespeichert...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Playing the list...</source>
        <translation>Die Liste wird abgespielt...</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading tags...</source>
        <translation>Tags werden gelesen...</translation>
    </message>
    <message>
        <location line="+261"/>
        <source>The MP3 folder &quot;%1&quot; cannot be searched. Choose it in Settings &gt; Configuration.</source>
        <translation>Der MP3-Ordner „%1“ kann nicht durchsucht werden. Wählen Sie ihn unter Einstellungen &gt; Konfiguration.</translation>
    </message>
</context>
<context>
    <name>PlayListWindow</name>
    <message>
        <location line="-234"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Play List</source>
        <translation>&amp;Neue Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Play List</source>
        <translation>Wiedergabeliste ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play List</source>
        <translation>&amp;Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Mp3</source>
        <translation>&amp;Mp3 hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove </source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove Mp3</source>
        <translation>Mp3 entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove selected Mp3s</source>
        <translation>Ausgewählte Mp3s entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove &amp;Missing</source>
        <translation>&amp;Fehlende entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove &amp;Duplicates</source>
        <translation>&amp;Doppelte entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pat&amp;hs</source>
        <translation>&amp;Pfade</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Relative to the List</source>
        <translation>&amp;Relativ zur Liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Absolute</source>
        <translation>&amp;Absolut</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Titles from &amp;Tags</source>
        <translation>&amp;Titel aus Tags</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Moved Files</source>
        <translation>&amp;Verschobene Dateien suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play</source>
        <translation>Ab&amp;spielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play &amp;Single Mp3</source>
        <translation>&amp;Einzelne Mp3 abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play S&amp;elected Mp3s</source>
        <translation>&amp;Ausgewählte Mp3s abspielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play whole &amp;List</source>
        <translation>Ganze &amp;Liste abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;ort List </source>
        <translation>Liste s&amp;ortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select A&amp;ll</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cl&amp;ear list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close List</source>
        <translation>Liste s&amp;chließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help for &amp;Playlists</source>
        <translation>Hilfe zu &amp;Wiedergabelisten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About TUNARY</source>
        <translation>Über TUNARY</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>I should do suff now!</source>
        <translation>Jetzt sollte ich etwas tun!</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <location filename="../src/core/ProgramOptions.cpp" line="+69"/>
        <source>The choice could not be saved: the options file %1 cannot be written.</source>
        <translation>Die Auswahl konnte nicht gespeichert werden: Die Optionsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ProgramStarter</name>
    <message>
        <location filename="../src/platform/ProcessProgramStarter.cpp" line="+14"/>
        <source>No program was given.</source>
        <translation>Es wurde kein Programm angegeben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder, not a program.</source>
        <translation>%1 ist ein Ordner, kein Programm.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a program that can be started.</source>
        <translation>%1 ist kein startbares Programm.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../src/playlist/Recovery.cpp" line="+143"/>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>an untitled list</source>
        <translation>eine unbenannte Liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TUNARY did not end properly last time. These play lists had changes that were not saved:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Open them again?</source>
        <translation>TUNARY wurde beim letzten Mal nicht ordnungsgemäß beendet. Diese Wiedergabelisten hatten ungespeicherte Änderungen:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Sollen sie wieder geöffnet werden?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recover Play Lists</source>
        <translation>Wiedergabelisten wiederherstellen</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/platform/RegularFile_unix.cpp" line="+25"/>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <location filename="../src/platform/SafeWrite.cpp" line="+40"/>
        <source>%1 could not be replaced.</source>
        <translation>%1 konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/settings/SettingsFile.cpp" line="+97"/>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message numerus="yes">
        <location line="+50"/>
        <source>The settings file ends after %n line(s).</source>
        <translation>
            <numerusform>Die Einstellungsdatei endet nach %n Zeile.</numerusform>
            <numerusform>Die Einstellungsdatei endet nach %n Zeilen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <location filename="../src/settings/ui/SettingsDialog.cpp" line="+81"/>
        <source>Winamp</source>
        <translation>Winamp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paths</source>
        <translation>Pfade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Misc</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>He&amp;lp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Here you can search for Winamp.</source>
        <translation>Hier können Sie nach Winamp suchen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter the location of Winamp on your computer in to the first box. Click on search if your want the program to find it.</source>
        <translation>Bitte geben Sie im ersten Feld an, wo Winamp auf Ihrem Rechner liegt. Klicken Sie auf „Suchen“, wenn das Programm es finden soll.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+41"/>
        <location line="+119"/>
        <source>&amp;Browse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Select the drive you wish to search for WINAMP.EXE then press Search.</source>
        <translation>Wählen Sie das Laufwerk, auf dem nach WINAMP.EXE gesucht werden soll, und klicken Sie dann auf „Suchen“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remember, the more sub directorys there are on a drive, the slower it is search in.</source>
        <translation>Denken Sie daran: Je mehr Unterverzeichnisse ein Laufwerk hat, desto länger dauert die Suche.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start the &amp;player when TUNARY starts</source>
        <translation>Den &amp;Player beim Start von TUNARY starten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>B&amp;rowse</source>
        <translation>Durchsu&amp;chen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please select the starting directory (If your have a large amount of MP3 files in one place)</source>
        <translation>Bitte wählen Sie das Startverzeichnis (wenn viele Ihrer MP3-Dateien an einem Ort liegen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please select the M3U directory (If your have a large amount of M3U files in one place)</source>
        <translation>Bitte wählen Sie das M3U-Verzeichnis (wenn viele Ihrer M3U-Dateien an einem Ort liegen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter the MP3 Path.</source>
        <translation>Bitte geben Sie den MP3-Pfad ein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please Enter the Default Directory of your M3U files</source>
        <translation>Bitte geben Sie das Standardverzeichnis Ihrer M3U-Dateien ein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Entering a valid paths here will insure that TUNARY will look in this directory first when opening M3U/MP3 files. This Speeds up the process of making a playlist.</source>
        <translation>Mit gültigen Pfaden hier sucht TUNARY beim Öffnen von M3U- und MP3-Dateien zuerst in diesen Verzeichnissen. Das beschleunigt das Erstellen einer Wiedergabeliste.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please Enter Background Colour For TUNARY.</source>
        <translation>Bitte wählen Sie die Hintergrundfarbe für TUNARY.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Select the new background colour For TUNARY By Click on one of the default colours or by using the sliders to make a custom colour.</source>
        <translation>Wählen Sie die neue Hintergrundfarbe für TUNARY, indem Sie auf eine der Standardfarben klicken oder mit den Schiebereglern eine eigene Farbe mischen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Colour</source>
        <translation>Neue Farbe</translation>
    </message>
    <message>
        <location line="-174"/>
        <location line="+179"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="-179"/>
        <location line="+180"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="-186"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <location line="+224"/>
        <source>Please Use these settings to customize TUNARY</source>
        <translation>Mit diesen Einstellungen passen Sie TUNARY an</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Playlist Font</source>
        <translation>Schriftart der Wiedergabeliste wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play list font</source>
        <translation>Schriftart der Wiedergabeliste</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Always sort Playlists</source>
        <translation>Wiedergabelisten immer sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open and play this file:</source>
        <translation>Diese Datei öffnen und abspielen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>List to open and play</source>
        <translation>Liste zum Öffnen und Abspielen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>If you would like open and play a particular M3U file, check the &apos;Open and play&apos; box and select the that file.</source>
        <translation>Wenn beim Start eine bestimmte M3U-Datei geöffnet und abgespielt werden soll, kreuzen Sie „Diese Datei öffnen und abspielen“ an und wählen Sie die Datei.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>If you would like the playlists to be sorted when they are loaded in TUNARY check the &apos;Always sort playlist&apos; box.</source>
        <translation>Wenn Wiedergabelisten beim Laden in TUNARY sortiert werden sollen, kreuzen Sie „Wiedergabelisten immer sortieren“ an.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Settings and &amp;Save</source>
        <translation>Einstellungen schließen und &amp;speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Settings &amp;Dont Save</source>
        <translation>Einstellungen schließen, &amp;nicht speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit TUNARY </source>
        <translation>TUNARY &amp;beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help with Se&amp;ttings</source>
        <translation>Hilfe zu den &amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About TUNARY</source>
        <translation>Über TUNARY</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <location filename="../src/app/ui/SplashScreen.cpp" line="+53"/>
        <source>TUNARY logo</source>
        <translation>TUNARY-Logo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>WIN95/98</source>
        <translation>WIN95/98</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning: Nullsoft&apos;s &quot;Winamp&quot; Required</source>
        <translation>Achtung: „Winamp“ von Nullsoft wird benötigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For everyone who keeps their music in play lists</source>
        <translation>Für alle, die ihre Musik in Wiedergabelisten ordnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TUNARY play-list editor</source>
        <translation>TUNARY, der Editor für Wiedergabelisten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Made by the TUNARY developers</source>
        <translation>Von den Entwicklern von TUNARY</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Notes one this version:<byte value="xd"/><byte value="xd"/>This version has the auto save fixed and has a command line reader.</source>
        <translation>Hinweise zu dieser Version:<byte value="xd"/><byte value="xd"/>In dieser Version ist das automatische Speichern repariert, und sie liest die Befehlszeile.</translation>
    </message>
</context>
<context>
    <name>StartupGate</name>
    <message>
        <location filename="../src/app/StartupGate.cpp" line="+45"/>
        <source>TUNARY is running but did not answer, and the list could not be left for it: %1</source>
        <translation>TUNARY läuft, hat aber nicht geantwortet, und die Liste konnte nicht für es hinterlegt werden: %1</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <location filename="../src/help/SysInfo.cpp" line="+34"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>UiWindowHost</name>
    <message>
        <location filename="../src/app/ui/UiWindowHost.cpp" line="+238"/>
        <source>Add the files once it is ready.</source>
        <translation>Fügen Sie die Dateien hinzu, sobald sie fertig ist.</translation>
    </message>
</context>
</TS>
