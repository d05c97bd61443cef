<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Zeigt das Einstellungsfenster von Zunkel oder bearbeitet mit einer Option ohne Fenster die Einstellungsdatei zunkel.cfg im Ordner dieses Programms. Die Qt-eigenen Optionen (-platform, -style, -reverse...) gelten für das Fenster.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>Mit --set: fullscreen, filtering, flat und music erwarten on oder off (oder true oder false); resolution erwartet 320x240, 512x384, 640x480, 800x600 oder 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Gibt diese Hilfe aus.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Gibt die Version und die Lizenz aus.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Gibt die Einstellungen aus, ein KEY=VALUE pro Zeile.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Ändert die angegebenen Einstellungen und speichert die Datei.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Siehe --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>unerwartetes Argument „%1“ (zu ändernde Einstellungen stehen nach --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kann %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set braucht mindestens ein KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>„%1“ ist nicht KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>das Spiel bietet die Auflösung „%1“ nicht an</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>unbekannte Einstellung „%1“</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 erwartet on oder off, nicht „%2“</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>kann %1 nicht speichern: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print und --set lassen sich nicht zusammen verwenden</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Bildschirm, Grafik und Musik von Zunkel vor dem Spielen einstellen</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>Einstellungen;Optionen;Auflösung;Bildschirm;Vollbild;Grafik;Musik;Ton;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>Das Einstellungsprogramm des Spiels Zunkel. Wählen Sie vor dem Spielen die Bildschirmauflösung, Vollbild oder Fenster, bilineare Filterung, flaches Rendern und Musik, und drücken Sie auf Sichern: Das Spiel liest die Auswahl aus seiner Einstellungsdatei.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Das ganze Programm ist ein kleines Fenster, das sich mit der Tastatur und mit Bildschirmlesern bedienen lässt. Skripte lesen und ändern dieselben Einstellungen auf der Kommandozeile, ohne Bildschirm.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>Das Einstellungsfenster</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>es ist eine Verknüpfung, die ein anderer Benutzer auf eine Datei angelegt hat, die ihm nicht gehört</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>der Ordner des Programms ist nicht auffindbar</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>ein anderes Programm sperrt jede daneben angelegte Datei</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>die Datei ist UTF-16-Text</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>die Datei endet nach %1 ihrer %2 Werte</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>Wert %1 der Datei ist länger als 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>Wert %1 der Datei hat ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>das System hat nichts geschrieben</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>ein Wert lässt sich nicht in die Datei schreiben</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Bitten Sie die Person, die das Spiel installiert hat, Ihnen das Ändern dieser Datei zu erlauben, oder kopieren Sie dieses Programm und zunkel.cfg in einen eigenen Ordner und starten Sie es von dort.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>ein anderes Programm hielt die Datei länger als eine Sekunde fest</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>die Datei änderte sich ständig, während sie gelesen wurde</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Einstellungen des Spiels Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Bildschirmauflösung</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Zunkel-Einstellungen</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>Das Symbol des Spiels</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Diese Einstellungen für das Spiel speichern.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Schließen, ohne zu speichern.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Das Spiel im Vollbild statt in einem Fenster ausführen.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Bilinearer Filter</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Texturen beim Skalieren glätten.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Flach rendern</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Flächen mit flacher Schattierung zeichnen.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Musik spielen</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Während des Spiels Musik abspielen.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Ein Monitor mit einer Szene aus dem Spiel</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Spielszene</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel auf einem leuchtenden Gitter bei Sonnenuntergang</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>Die Bildschirmauflösung, in der das Spiel läuft.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>Die gewählte Auflösung ist im Fenstermodus größer als Ihr Desktop. Wählen Sie eine niedrigere Auflösung oder wechseln Sie in den Vollbildmodus.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Konfigurationsdatei leider nicht gefunden</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Bilineare Filterung</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Flach rendern</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Musik spielen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
