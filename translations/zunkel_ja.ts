<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Zunkel の設定ウィンドウを表示します。オプションを付けると、ウィンドウを開かずに、このプログラムと同じフォルダーにある設定ファイル zunkel.cfg を扱います。Qt 自体のオプション (-platform、-style、-reverse...) はウィンドウに適用されます。</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>--set では、fullscreen、filtering、flat、music に on か off (true か false でも可) を、resolution に 320x240、512x384、640x480、800x600、1024x768 のいずれかを指定します。</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>バージョンとライセンスを表示します。</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>設定を 1 行に 1 つずつ KEY=VALUE の形で表示します。</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>指定した設定を変更し、ファイルに保存します。</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 --help を参照してください。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>予期しない引数「%1」(変更する設定は --set の後に書きます)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set には KEY=VALUE が 1 つ以上必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>「%1」は KEY=VALUE の形ではありません</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>ゲームは解像度「%1」に対応していません</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>不明な設定「%1」</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 に指定できるのは on か off です (「%2」は指定できません)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print と --set は同時に使えません</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>ゲームの設定</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>プレイ前に Zunkel の画面、グラフィック、音楽を設定します</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>設定;オプション;解像度;画面;全画面;フルスクリーン;グラフィック;音楽;サウンド;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>ゲーム Zunkel の設定ツールです。プレイの前に、画面解像度、全画面かウィンドウか、バイリニアフィルタリング、フラット描画、音楽を選んで「保存」を押すと、ゲームが設定ファイルから読み込みます。</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>ツール全体が小さなウィンドウ 1 つで、キーボードでもスクリーンリーダーでも使えます。スクリプトからは、画面がなくてもコマンドラインで同じ設定を読み書きできます。</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>設定ウィンドウ</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>別のユーザーが、自分のものではないファイルに作ったリンクです</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>プログラムのフォルダーが見つかりません</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>別のプログラムが、その横に作られる新しいファイルをすべてロックしています</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>システムエラー %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>ファイルが読み取り専用に設定されています</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>ファイルが UTF-16 のテキストです</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>ファイルが %2 個の値のうち %1 個で終わっています</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>ファイルの %1 番目の値が 1 MiB を超えています</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>ファイルの %1 番目の値の引用符が閉じていません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>システムが何も書き込みませんでした</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>ファイルに書き込めない値があります</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>このファイルを変更できるようにしてもらうよう、ゲームをインストールした人に頼んでください。または、このプログラムと zunkel.cfg を自分のフォルダーにコピーし、そこから起動してください。</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>別のプログラムがファイルを 1 秒以上使用していました</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>読み込み中にファイルが変更され続けました</translation>
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
        <translation>ゲーム Zunkel の設定</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>画面解像度</translation>
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
        <translation>ゲームのアイコン</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>この設定をゲーム用に保存します。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>保存せずに閉じます。</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>グラフィック</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>ゲームをウィンドウではなく全画面で実行します。</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>バイリニア</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>拡大・縮小するときにテクスチャを滑らかにします。</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>フラット</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>面をフラットシェーディングで描画します。</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>音楽を再生</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>ゲーム中に音楽を再生します。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>ゲームの一場面を映したモニター</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>ゲーム画面</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>夕暮れに光るグリッドの上の Zunkel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>ゲームを実行する画面解像度です。</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>選んだ解像度は、ウィンドウ表示ではデスクトップより大きくなります。解像度を下げるか、全画面に切り替えてください。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>設定ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>バイリニアフィルタリング</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>フラットシェーディング</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>音楽を再生</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
