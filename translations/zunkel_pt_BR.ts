<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Mostra a janela de ajustes do Zunkel ou, com uma opção, trabalha sem janela no arquivo de ajustes zunkel.cfg ao lado deste programa. As opções próprias do Qt (-platform, -style, -reverse...) valem para a janela.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>Com --set: fullscreen, filtering, flat e music aceitam on ou off (ou true ou false); resolution aceita 320x240, 512x384, 640x480, 800x600 ou 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Mostra a versão e a licença.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Mostra os ajustes, um KEY=VALUE por linha.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Altera os ajustes indicados e salva o arquivo.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não é possível escrever na saída padrão: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Tente --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>argumento inesperado “%1” (os ajustes a alterar vêm depois de --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set precisa de pelo menos um KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>“%1” não é KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>o jogo não oferece a resolução “%1”</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>ajuste desconhecido “%1”</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 aceita on ou off, não “%2”</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>não é possível salvar %1: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print e --set vão um de cada vez</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Ajustes do jogo</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Ajuste a tela, os gráficos e a música do Zunkel antes de jogar</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>ajustes;opções;resolução;tela;tela cheia;gráficos;música;som;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>A ferramenta de configuração do jogo Zunkel. Antes de jogar, escolha a resolução, tela cheia ou janela, o filtro bilinear, a renderização plana e a música, e aperte Salvar: o jogo lê as escolhas do seu arquivo de ajustes.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>A ferramenta inteira é uma pequena janela que funciona com o teclado e com leitores de tela. Scripts podem ler e alterar os mesmos ajustes pela linha de comando, sem tela.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>A janela de configuração</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>é um link que outro usuário criou para um arquivo que não é dele</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>a pasta do programa não foi encontrada</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>outro programa bloqueia cada arquivo novo criado ao lado</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erro do sistema %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>o arquivo é texto UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>o arquivo termina após %1 de seus %2 valores</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>o valor %1 do arquivo passa de 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>o valor %1 do arquivo tem aspas que nunca se fecham</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>o sistema não gravou nada</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>um valor não pode ser gravado no arquivo</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Peça a quem instalou o jogo para deixar você alterar este arquivo, ou copie este programa e o zunkel.cfg para uma pasta sua e execute-o de lá.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>outro programa segurou o arquivo por mais de um segundo</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>o arquivo não parou de mudar enquanto era lido</translation>
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
        <translation>Ajustes do jogo Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Resolução da tela</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Ajustes do Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>O ícone do jogo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Salvar estes ajustes para o jogo.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Fechar sem salvar.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Executar o jogo em tela cheia em vez de em uma janela.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Filtro bilinear</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Suavizar as texturas quando são redimensionadas.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Render plano</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Desenhar as superfícies com sombreamento plano.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Tocar música</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Tocar música durante o jogo.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Um monitor mostrando uma cena do jogo</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Cena do jogo</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel sobre uma grade brilhante ao pôr do sol</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>A resolução de tela do jogo.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>A resolução escolhida, em modo janela, ficará maior que sua área de trabalho. Escolha uma resolução menor ou mude para tela cheia.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Desculpe, arquivo de configuração não encontrado</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Filtro bilinear</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Renderização plana</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Tocar música</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
