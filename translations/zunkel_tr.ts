<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Zunkel ayar penceresini gösterir; bir seçenekle ise pencere açmadan bu programın yanındaki zunkel.cfg ayar dosyası üzerinde çalışır. Qt&apos;nin kendi seçenekleri (-platform, -style, -reverse...) pencereye uygulanır.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>--set ile: fullscreen, filtering, flat ve music on ya da off (veya true ya da false) alır; resolution 320x240, 512x384, 640x480, 800x600 ya da 1024x768 alır.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Bu yardımı yazdırır.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Sürümü ve lisansı yazdırır.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Ayarları her satıra bir KEY=VALUE olacak biçimde yazdırır.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Verilen ayarları değiştirir ve dosyayı kaydeder.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>standart çıktıya yazılamıyor: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 --help seçeneğine bakın.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>beklenmeyen argüman “%1” (değiştirilecek ayarlar --set’ten sonra gelir)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set en az bir KEY=VALUE bekler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>“%1” KEY=VALUE biçiminde değil</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>oyun “%1” çözünürlüğünü sunmuyor</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>bilinmeyen ayar “%1”</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 on ya da off alır, “%2” değil</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 kaydedilemiyor: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print ve --set birlikte kullanılamaz</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Oyun ayarları</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Oynamadan önce Zunkel’in ekranını, grafiklerini ve müziğini ayarlayın</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>ayarlar;seçenekler;çözünürlük;ekran;tam ekran;grafik;müzik;ses;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>Zunkel oyununun ayar aracı. Oynamadan önce ekran çözünürlüğünü, tam ekran ya da pencereyi, bilineer filtrelemeyi, düz gölgelemeyi ve müziği seçip Kaydet’e basın: oyun seçimleri ayar dosyasından okur.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Aracın tamamı, klavyeyle ve ekran okuyucularla kullanılabilen küçük bir penceredir. Betikler aynı ayarları ekran olmadan komut satırından okuyup değiştirebilir.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>Ayar penceresi</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>başka bir kullanıcının, kendisine ait olmayan bir dosyaya oluşturduğu bir bağlantı</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>programın klasörü bulunamıyor</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>başka bir program, yanında oluşturulan her yeni dosyayı kilitliyor</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>sistem hatası %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>dosya salt okunur olarak işaretli</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>dosya UTF-16 metni</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>dosya, %2 değerinden %1 tanesinden sonra bitiyor</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>dosyanın %1. değeri 1 MiB’tan uzun</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>dosyanın %1. değerinde kapatılmamış bir tırnak işareti var</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>sistem hiçbir şey yazmadı</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>bir değer dosyaya yazılamıyor</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Oyunu kuran kişiden bu dosyayı değiştirmenize izin vermesini isteyin ya da bu programı ve zunkel.cfg dosyasını kendinize ait bir klasöre kopyalayıp oradan başlatın.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>başka bir program dosyayı bir saniyeden uzun süre tuttu</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>dosya okunurken sürekli değişti</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Zunkel oyununun ayarları</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Ekran çözünürlüğü</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Zunkel Ayarları</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>Oyunun simgesi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Bu ayarları oyun için kaydet.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Kaydetmeden kapat.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Oyunu pencere yerine tam ekranda çalıştır.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Bilineer filtre</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Dokuları ölçeklenirken yumuşat.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Düz gölgeleme</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Yüzeyleri düz gölgelemeyle çiz.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Müzik çal</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Oyun sırasında müzik çal.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Oyundan bir sahne gösteren monitör</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Oyun sahnesi</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Gün batımında parlayan bir ızgaranın üzerinde Zunkel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>Oyunun çalışacağı ekran çözünürlüğü.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>Seçtiğiniz çözünürlük, pencere kipinde masaüstünüzden büyük olacak. Daha düşük bir çözünürlük seçin ya da tam ekrana geçin.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Üzgünüz, ayar dosyası bulunamadı</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Bilineer filtreleme</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Düz gölgeleme</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Müzik çal</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
