<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Pokazuje okno ustawień gry Zunkel albo, z opcją, działa bez okna na pliku ustawień zunkel.cfg obok tego programu. Własne opcje Qt (-platform, -style, -reverse...) dotyczą okna.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>Z --set: fullscreen, filtering, flat i music przyjmują on lub off (albo true lub false); resolution przyjmuje 320x240, 512x384, 640x480, 800x600 lub 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Wyświetla wersję i licencję.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Wyświetla ustawienia, jedno KEY=VALUE w wierszu.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Zmienia podane ustawienia i zapisuje plik.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można pisać do standardowego wyjścia: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Zobacz --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>nieoczekiwany argument „%1” (ustawienia do zmiany podaje się po --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set wymaga co najmniej jednego KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>„%1” nie jest KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>gra nie oferuje rozdzielczości „%1”</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>nieznane ustawienie „%1”</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 przyjmuje on lub off, nie „%2”</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print i --set podaje się osobno</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Ustaw ekran, grafikę i muzykę gry Zunkel przed grą</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>ustawienia;opcje;rozdzielczość;ekran;pełny ekran;grafika;muzyka;dźwięk;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>Narzędzie konfiguracyjne gry Zunkel. Przed grą wybierz rozdzielczość, pełny ekran lub okno, filtrowanie dwuliniowe, renderowanie płaskie i muzykę, po czym naciśnij Zapisz: gra odczyta wybór ze swojego pliku ustawień.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Całe narzędzie to jedno małe okno, obsługiwane klawiaturą i czytnikami ekranu. Skrypty mogą odczytywać i zmieniać te same ustawienia z wiersza poleceń, bez ekranu.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>Okno konfiguracji</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>to dowiązanie utworzone przez innego użytkownika do pliku, który nie należy do niego</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>nie można znaleźć folderu programu</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>inny program blokuje każdy nowy plik utworzony obok</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>błąd systemu %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>plik jest tekstem UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>plik kończy się po %1 z %2 wartości</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>wartość %1 pliku jest dłuższa niż 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>wartość %1 pliku ma niezamknięty cudzysłów</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>system nic nie zapisał</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>wartości nie da się zapisać w pliku</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Poproś osobę, która zainstalowała grę, o pozwolenie na zmianę tego pliku albo skopiuj ten program i zunkel.cfg do własnego folderu i uruchom go stamtąd.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>inny program trzymał plik dłużej niż sekundę</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>plik ciągle się zmieniał podczas odczytu</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Ustawienia gry Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Rozdzielczość ekranu</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Ustawienia Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>Ikona gry</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Zapisz te ustawienia dla gry.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Zamknij bez zapisywania.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafika</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Uruchom grę na pełnym ekranie zamiast w oknie.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Filtr dwuliniowy</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Wygładzaj tekstury przy skalowaniu.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Render płaski</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Rysuj powierzchnie z płaskim cieniowaniem.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Odtwarzaj muzykę podczas gry.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Monitor pokazujący scenę z gry</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Scena z gry</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel na świecącej siatce o zachodzie słońca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>Rozdzielczość ekranu, w której działa gra.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>Wybrana rozdzielczość w trybie okna będzie większa niż pulpit. Wybierz niższą rozdzielczość lub przełącz na pełny ekran.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Niestety, nie znaleziono pliku konfiguracji</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Filtrowanie dwuliniowe</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Renderowanie płaskie</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Odtwarzaj muzykę</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
