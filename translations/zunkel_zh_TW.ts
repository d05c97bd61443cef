<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>顯示 Zunkel 設定視窗；如果指定選項，則不開啟視窗，直接處理本程式所在資料夾中的設定檔 zunkel.cfg。Qt 本身的選項（-platform、-style、-reverse...）作用於視窗。</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>用於 --set：fullscreen、filtering、flat 和 music 可設為 on 或 off（也可用 true 或 false）；resolution 可設為 320x240、512x384、640x480、800x600 或 1024x768。</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>顯示此說明。</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>顯示版本和授權條款。</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>顯示設定，每行一個 KEY=VALUE。</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>變更指定的設定並儲存檔案。</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>無法寫入標準輸出：%1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 請參閱 --help。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>非預期的引數「%1」（要變更的設定應寫在 --set 之後）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set 至少需要一個 KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>「%1」不是 KEY=VALUE 格式</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>遊戲不支援解析度「%1」</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>未知的設定「%1」</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 只能設為 on 或 off，不能設為「%2」</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>無法儲存 %1：%2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print 和 --set 不能同時使用</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>遊戲設定</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>在開始遊戲前設定 Zunkel 的顯示、圖形和音樂</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>設定;選項;解析度;顯示;全螢幕;圖形;音樂;聲音;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>遊戲 Zunkel 的設定工具。開始遊戲前，選擇顯示解析度、全螢幕或視窗、雙線性過濾、平面著色和音樂，然後按「儲存」：遊戲會從它的設定檔讀取這些選擇。</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>整個工具只是一個小視窗，可以用鍵盤操作，也支援螢幕閱讀器。指令稿可以在命令列讀取和變更同樣的設定，不需要顯示器。</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>設定視窗</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>這是其他使用者建立的連結，指向一個不屬於他的檔案</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>找不到程式所在的資料夾</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>另一個程式鎖定了在它旁邊新建的每個檔案</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>系統錯誤 %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>檔案被標示為唯讀</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>檔案是 UTF-16 文字</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>檔案在 %2 個值中只有 %1 個</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>檔案的第 %1 個值超過 1 MiB</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>檔案的第 %1 個值中有未結束的引號</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>系統沒有寫入任何內容</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>有一個值無法寫入檔案</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>請安裝遊戲的人允許你修改這個檔案，或把本程式和 zunkel.cfg 複製到你自己的資料夾，再從那裡啟動。</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>另一個程式佔用該檔案超過一秒</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>讀取時檔案一直在變動</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>遊戲 Zunkel 的設定</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>顯示解析度</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Zunkel 設定</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>遊戲圖示</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>儲存這些設定，供遊戲使用。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>不儲存，直接關閉。</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>圖形</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>以全螢幕而非視窗模式執行遊戲。</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>雙線性過濾</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>縮放材質時使其平滑。</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>平面著色</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>以平面著色繪製表面。</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>播放音樂</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>在遊戲中播放音樂。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>顯示遊戲畫面的螢幕</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>遊戲畫面</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>夕陽下發光網格上的 Zunkel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>遊戲執行時的螢幕解析度。</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>所選解析度在視窗模式下會比桌面還大。請選擇較低的解析度，或切換到全螢幕模式。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>抱歉，找不到設定檔</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>雙線性過濾</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>平面著色</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>播放音樂</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
