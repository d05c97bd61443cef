<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Zunkel 설정 창을 표시합니다. 옵션을 주면 창 없이 이 프로그램과 같은 폴더에 있는 설정 파일 zunkel.cfg를 다룹니다. Qt 자체 옵션(-platform, -style, -reverse...)은 창에 적용됩니다.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>--set에서 fullscreen, filtering, flat, music은 on 또는 off(true나 false도 가능)를, resolution은 320x240, 512x384, 640x480, 800x600, 1024x768 중 하나를 받습니다.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>이 도움말을 출력합니다.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>버전과 라이선스를 출력합니다.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>설정을 한 줄에 KEY=VALUE 하나씩 출력합니다.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>지정한 설정을 바꾸고 파일을 저장합니다.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>표준 출력에 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 --help를 참고하세요.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>예상하지 못한 인수 &apos;%1&apos; (바꿀 설정은 --set 뒤에 씁니다)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set에는 KEY=VALUE가 하나 이상 필요합니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>&apos;%1&apos;은(는) KEY=VALUE 형식이 아닙니다</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>게임이 해상도 &apos;%1&apos;을(를) 지원하지 않습니다</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>알 수 없는 설정 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1에는 on 또는 off만 쓸 수 있습니다(&apos;%2&apos;은(는) 안 됩니다)</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print와 --set은 함께 쓸 수 없습니다</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>게임 설정</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>플레이하기 전에 Zunkel의 화면, 그래픽, 음악을 설정합니다</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>설정;옵션;해상도;화면;전체 화면;그래픽;음악;사운드;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>게임 Zunkel의 설정 도구입니다. 플레이하기 전에 화면 해상도, 전체 화면 또는 창, 바이리니어 필터링, 플랫 셰이딩, 음악을 고르고 저장을 누르면 게임이 설정 파일에서 읽어 갑니다.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>도구 전체가 작은 창 하나이며, 키보드와 화면 낭독기로도 쓸 수 있습니다. 스크립트는 화면 없이 명령줄에서 같은 설정을 읽고 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>설정 창</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>다른 사용자가 자기 것이 아닌 파일에 만든 링크입니다</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>프로그램 폴더를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>다른 프로그램이 그 옆에 만들어지는 새 파일을 모두 잠급니다</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>시스템 오류 %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>파일이 읽기 전용으로 표시되어 있습니다</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>파일이 UTF-16 텍스트입니다</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>파일이 값 %2개 중 %1개에서 끝납니다</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>파일의 %1번째 값이 1MiB보다 깁니다</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>파일의 %1번째 값에 닫히지 않은 따옴표가 있습니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>시스템이 아무것도 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>파일에 쓸 수 없는 값이 있습니다</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>게임을 설치한 사람에게 이 파일을 바꿀 수 있게 해 달라고 하거나, 이 프로그램과 zunkel.cfg를 자신의 폴더에 복사한 뒤 그곳에서 실행하세요.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>다른 프로그램이 파일을 1초 넘게 사용하고 있었습니다</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>읽는 동안 파일이 계속 바뀌었습니다</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>게임 Zunkel의 설정</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>화면 해상도</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Zunkel 설정</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>게임 아이콘</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>이 설정을 게임에 저장합니다.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>저장하지 않고 닫습니다.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>그래픽</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>게임을 창 대신 전체 화면으로 실행합니다.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>바이리니어</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>크기를 바꿀 때 텍스처를 부드럽게 합니다.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>플랫 셰이딩</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>면을 플랫 셰이딩으로 그립니다.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>음악 재생</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>게임 중에 음악을 재생합니다.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>게임 장면을 보여 주는 모니터</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>게임 장면</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>해 질 녘 빛나는 격자 위의 Zunkel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>게임이 실행될 화면 해상도입니다.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>선택한 해상도는 창 모드에서 바탕 화면보다 큽니다. 더 낮은 해상도를 고르거나 전체 화면으로 바꾸세요.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>설정 파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>저장</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>바이리니어 필터링</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>플랫 셰이딩</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>음악 재생</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
