<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Показывает окно настроек Zunkel или, с параметром, работает без окна с файлом настроек zunkel.cfg рядом с этой программой. Собственные параметры Qt (-platform, -style, -reverse...) относятся к окну.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>С --set: fullscreen, filtering, flat и music принимают on или off (или true или false); resolution принимает 320x240, 512x384, 640x480, 800x600 или 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Выводит эту справку.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Выводит версию и лицензию.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Выводит настройки, по одной паре KEY=VALUE в строке.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Изменяет указанные настройки и сохраняет файл.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удаётся писать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 См. --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>неожиданный аргумент «%1» (изменяемые настройки идут после --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set требует хотя бы одну пару KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>«%1» — не KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>игра не поддерживает разрешение «%1»</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>неизвестная настройка «%1»</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 принимает on или off, а не «%2»</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>не удаётся сохранить %1: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print и --set указываются по одному</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Настройки игры</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Настройка экрана, графики и музыки Zunkel перед игрой</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>настройки;параметры;разрешение;экран;полный экран;графика;музыка;звук;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>Программа настройки игры Zunkel. Перед игрой выберите разрешение экрана, полный экран или окно, билинейную фильтрацию, плоские грани и музыку и нажмите «Запись»: игра прочитает выбор из своего файла настроек.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Вся программа — одно небольшое окно, с которым можно работать с клавиатуры и через экранный диктор. Скрипты могут читать и менять те же настройки из командной строки, без экрана.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>Окно настроек</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>это ссылка, которую другой пользователь создал на чужой файл</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>не удаётся найти папку программы</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>другая программа блокирует каждый новый файл рядом с ним</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>системная ошибка %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>файл — текст в UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>файл заканчивается после %1 из %2 значений</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>значение %1 в файле длиннее 1 МиБ</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>в значении %1 файла кавычка не закрыта</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>система ничего не записала</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>значение нельзя записать в файл</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Попросите того, кто установил игру, разрешить вам изменять этот файл, или скопируйте эту программу и zunkel.cfg в свою папку и запустите её оттуда.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>другая программа удерживала файл дольше секунды</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>файл постоянно менялся во время чтения</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Настройки игры Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Разрешение экрана</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Настройки Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>Значок игры</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Сохранить эти настройки для игры.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Закрыть без сохранения.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Запускать игру на весь экран, а не в окне.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Фильтрация</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Билинейная фильтрация: сглаживать текстуры при масштабировании.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Плоск. рендер</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Рисовать поверхности с плоским затенением.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Включать музыку во время игры.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Монитор со сценой из игры</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Сцена из игры</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel на светящейся сетке на закате</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>Разрешение экрана, в котором работает игра.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>Выбранное разрешение в оконном режиме будет больше вашего рабочего стола. Выберите разрешение поменьше или включите полноэкранный режим.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Извините, файл настроек не найден</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Билинейная фильтрация</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Плоское затенение</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Воспроизводить музыку</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
