<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Mostra la finestra delle impostazioni di Zunkel oppure, con un&apos;opzione, lavora senza finestra sul file delle impostazioni zunkel.cfg accanto a questo programma. Le opzioni proprie di Qt (-platform, -style, -reverse...) valgono per la finestra.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>Con --set: fullscreen, filtering, flat e music accettano on o off (o true o false); resolution accetta 320x240, 512x384, 640x480, 800x600 o 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Mostra la versione e la licenza.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Mostra le impostazioni, un KEY=VALUE per riga.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Modifica le impostazioni indicate e salva il file.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sull&apos;output standard: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Prova --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>argomento inatteso «%1» (le impostazioni da modificare vanno dopo --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set richiede almeno un KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>«%1» non è KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>il gioco non offre la risoluzione «%1»</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>impostazione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 accetta on o off, non «%2»</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print e --set vanno usati uno alla volta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Impostazioni del gioco</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Imposta lo schermo, la grafica e la musica di Zunkel prima di giocare</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>impostazioni;opzioni;risoluzione;schermo;schermo intero;grafica;musica;audio;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>Lo strumento di configurazione del gioco Zunkel. Prima di giocare scegli la risoluzione, lo schermo intero o una finestra, il filtro bilineare, il rendering piatto e la musica, e premi Salva: il gioco legge le scelte dal suo file di impostazioni.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>L’intero strumento è una piccola finestra che si usa con la tastiera e con i lettori di schermo. Gli script possono leggere e cambiare le stesse impostazioni dalla riga di comando, senza schermo.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>La finestra di configurazione</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>è un collegamento che un altro utente ha creato verso un file non suo</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>impossibile trovare la cartella del programma</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>un altro programma blocca ogni nuovo file creato accanto</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>errore di sistema %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>il file è testo UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>il file finisce dopo %1 dei suoi %2 valori</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>il valore %1 del file supera 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>il valore %1 del file ha delle virgolette mai chiuse</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>il sistema non ha scritto nulla</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>un valore non può essere scritto nel file</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Chiedi a chi ha installato il gioco di permetterti di modificare questo file, oppure copia questo programma e zunkel.cfg in una tua cartella e avvialo da lì.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>un altro programma ha tenuto il file per più di un secondo</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>il file ha continuato a cambiare durante la lettura</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Impostazioni del gioco Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Risoluzione dello schermo</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Impostazioni Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>L&apos;icona del gioco</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Salva queste impostazioni per il gioco.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Chiudi senza salvare.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Avvia il gioco a schermo intero invece che in una finestra.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Filtro bilineare</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Ammorbidisci le texture quando vengono scalate.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Render piatto</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Disegna le superfici con ombreggiatura piatta.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Riproduci la musica durante la partita.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Un monitor che mostra una scena del gioco</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Scena del gioco</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel su una griglia luminosa al tramonto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>La risoluzione dello schermo del gioco.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>La risoluzione scelta, in finestra, sarà più grande del tuo desktop. Scegli una risoluzione più bassa o passa a schermo intero.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Spiacenti, file di configurazione non trovato</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Filtro bilineare</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Rendering piatto</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Riproduci musica</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
