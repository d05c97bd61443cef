<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Muestra la ventana de ajustes de Zunkel o, con una opción, trabaja sin ventana sobre el archivo de ajustes zunkel.cfg junto a este programa. Las opciones propias de Qt (-platform, -style, -reverse...) se aplican a la ventana.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>Con --set: fullscreen, filtering, flat y music admiten on u off (o true o false); resolution admite 320x240, 512x384, 640x480, 800x600 o 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Muestra la versión y la licencia.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Muestra los ajustes, un KEY=VALUE por línea.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Cambia los ajustes indicados y guarda el archivo.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Prueba --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>argumento inesperado «%1» (los ajustes que se cambian van después de --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set necesita al menos un KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>«%1» no es KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>el juego no ofrece la resolución «%1»</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>ajuste desconocido «%1»</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 admite on u off, no «%2»</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>no se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print y --set van de uno en uno</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Ajustes del juego</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Ajusta la pantalla, los gráficos y la música de Zunkel antes de jugar</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>ajustes;opciones;resolución;pantalla;pantalla completa;gráficos;música;sonido;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>La herramienta de configuración del juego Zunkel. Antes de jugar, elige la resolución, pantalla completa o ventana, el filtrado bilineal, el renderizado plano y la música, y pulsa Aplicar: el juego lee lo elegido de su archivo de ajustes.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Toda la herramienta es una pequeña ventana que funciona con el teclado y con lectores de pantalla. Los scripts pueden leer y cambiar los mismos ajustes desde la línea de órdenes, sin pantalla.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>La ventana de configuración</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>es un enlace que otro usuario creó hacia un archivo que no es suyo</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>no se encuentra la carpeta del programa</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>otro programa bloquea cada archivo nuevo creado a su lado</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>error del sistema %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>el archivo es texto UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>el archivo termina tras %1 de sus %2 valores</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>el valor %1 del archivo supera 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>el valor %1 del archivo tiene unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>el sistema no escribió nada</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>un valor no se puede escribir en el archivo</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Pide a quien instaló el juego que te deje cambiar este archivo, o copia este programa y zunkel.cfg a una carpeta tuya y ejecútalo desde allí.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>otro programa retuvo el archivo durante más de un segundo</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>el archivo no dejó de cambiar mientras se leía</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Ajustes del juego Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Resolución de pantalla</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Ajustes de Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>El icono del juego</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Guardar estos ajustes para el juego.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Cerrar sin guardar.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pant. completa</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Ejecutar el juego a pantalla completa en lugar de en una ventana.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Filtrado bilineal</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Suavizar las texturas al escalarlas.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Render plano</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Dibujar las superficies con sombreado plano.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Reproducir música durante la partida.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Un monitor que muestra una escena del juego</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Escena del juego</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel sobre una cuadrícula brillante al atardecer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>La resolución de pantalla del juego.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>La resolución elegida será, en modo ventana, mayor que tu escritorio. Elige una resolución menor o cambia a pantalla completa.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Lo sentimos, no se encontró el archivo de configuración</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Filtrado bilineal</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Renderizado plano</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Reproducir música</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
