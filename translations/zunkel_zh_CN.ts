<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>显示 Zunkel 设置窗口；如果给出选项，则不打开窗口，直接处理本程序所在文件夹中的设置文件 zunkel.cfg。Qt 自身的选项（-platform、-style、-reverse...）作用于窗口。</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>用于 --set：fullscreen、filtering、flat 和 music 取 on 或 off（也可用 true 或 false）；resolution 取 320x240、512x384、640x480、800x600 或 1024x768。</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>显示版本和许可证。</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>显示设置，每行一个 KEY=VALUE。</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>修改给定的设置并保存文件。</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 请参阅 --help。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>意外的参数“%1”（要修改的设置应写在 --set 之后）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set 至少需要一个 KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>“%1”不是 KEY=VALUE 形式</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>游戏不支持分辨率“%1”</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>未知设置“%1”</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 只能取 on 或 off，不能取“%2”</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print 和 --set 不能同时使用</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>游戏设置</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>在开始游戏前设置 Zunkel 的显示、图形和音乐</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>设置;选项;分辨率;显示;全屏;图形;音乐;声音;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>游戏 Zunkel 的设置工具。开始游戏前，选择显示分辨率、全屏或窗口、双线性过滤、平面着色和音乐，然后按“保存”：游戏会从它的设置文件中读取这些选择。</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>整个工具只是一个小窗口，可以用键盘操作，也支持屏幕阅读器。脚本可以在命令行中读取和修改同样的设置，无需显示器。</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>设置窗口</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>这是其他用户创建的链接，指向一个不属于他的文件</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>找不到程序所在的文件夹</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>另一个程序锁定了在它旁边新建的每个文件</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>系统错误 %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>文件被标记为只读</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>文件是 UTF-16 文本</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>文件在 %2 个值中只有 %1 个</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>文件的第 %1 个值超过 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>文件的第 %1 个值中有未闭合的引号</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>系统没有写入任何内容</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>有一个值无法写入文件</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>请让安装游戏的人允许你修改此文件，或者把本程序和 zunkel.cfg 复制到你自己的文件夹中，再从那里启动。</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>另一个程序占用该文件超过一秒</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>读取时文件一直在变化</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>游戏 Zunkel 的设置</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>显示分辨率</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Zunkel 设置</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>游戏图标</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>保存这些设置，供游戏使用。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>不保存，直接关闭。</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>图形</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>以全屏而非窗口模式运行游戏。</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>双线性过滤</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>缩放纹理时使其平滑。</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>平面着色</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>用平面着色绘制表面。</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>播放音乐</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>在游戏中播放音乐。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>显示游戏画面的显示器</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>游戏画面</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>夕阳下发光网格上的 Zunkel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>游戏运行时的屏幕分辨率。</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>所选分辨率在窗口模式下会超出桌面大小。请选择较低的分辨率，或切换到全屏模式。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>抱歉，找不到配置文件</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>双线性过滤</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>平面着色</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>播放音乐</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
