<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Показує вікно налаштувань Zunkel або, з опцією, працює без вікна з файлом налаштувань zunkel.cfg поруч із цією програмою. Власні опції Qt (-platform, -style, -reverse...) стосуються вікна.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>З --set: fullscreen, filtering, flat і music приймають on або off (або true чи false); resolution приймає 320x240, 512x384, 640x480, 800x600 або 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Виводить цю довідку.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Виводить версію та ліцензію.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Виводить налаштування, по одному KEY=VALUE у рядку.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Змінює вказані налаштування та зберігає файл.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не вдається писати у стандартний вивід: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Див. --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>неочікуваний аргумент «%1» (налаштування для зміни йдуть після --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не вдається прочитати %1: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set потребує принаймні одне KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>«%1» — не KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>гра не підтримує роздільну здатність «%1»</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>невідоме налаштування «%1»</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 приймає on або off, а не «%2»</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>не вдається зберегти %1: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print і --set вказуються по одному</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Налаштування гри</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Налаштування екрана, графіки й музики Zunkel перед грою</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>налаштування;параметри;роздільність;екран;повний екран;графіка;музика;звук;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>Програма налаштування гри Zunkel. Перед грою виберіть роздільність екрана, повний екран або вікно, білінійну фільтрацію, пласкі грані й музику та натисніть «Запис»: гра прочитає вибір зі свого файлу налаштувань.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Уся програма — одне невелике вікно, з яким можна працювати з клавіатури та через екранний диктор. Скрипти можуть читати й змінювати ті самі налаштування з командного рядка, без екрана.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>Вікно налаштувань</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>це посилання, яке інший користувач створив на чужий файл</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>не вдається знайти теку програми</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>інша програма блокує кожен новий файл поруч із ним</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>системна помилка %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>файл доступний лише для читання</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>файл — текст у UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>файл закінчується після %1 з %2 значень</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>значення %1 у файлі довше за 1 МіБ</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>у значенні %1 файлу лапки не закрито</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>система нічого не записала</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>значення не можна записати у файл</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Попросіть того, хто встановив гру, дозволити вам змінювати цей файл, або скопіюйте цю програму та zunkel.cfg у власну теку й запустіть її звідти.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>інша програма утримувала файл понад секунду</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>файл постійно змінювався під час читання</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Налаштування гри Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Роздільна здатність екрана</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Параметри Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>Значок гри</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Зберегти ці налаштування для гри.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Закрити без збереження.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графіка</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Запускати гру на весь екран, а не у вікні.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Фільтр текстур</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Білінійна фільтрація: згладжувати текстури під час масштабування.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Пласкі грані</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Малювати поверхні з пласким затіненням.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Музика</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Вмикати музику під час гри.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Монітор зі сценою з гри</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Сцена з гри</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel на сяйливій сітці на заході сонця</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>Роздільна здатність екрана, у якій працює гра.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>Вибрана роздільна здатність у віконному режимі буде більшою за ваш робочий стіл. Виберіть меншу роздільну здатність або увімкніть повноекранний режим.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Вибачте, файл налаштувань не знайдено</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Білінійна фільтрація</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Пласке затінення</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Відтворювати музику</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
