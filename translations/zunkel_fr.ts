<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the Zunkel configuration window, or with an option works on the settings file zunkel.cfg beside this program without a window. Qt&apos;s own options (-platform, -style, -reverse...) apply to the window.</source>
        <translation>Affiche la fenêtre de réglages de Zunkel ou, avec une option, travaille sans fenêtre sur le fichier de réglages zunkel.cfg placé à côté de ce programme. Les options propres à Qt (-platform, -style, -reverse...) s&apos;appliquent à la fenêtre.</translation>
    </message>
    <message>
        <source>With --set: fullscreen, filtering, flat and music take on or off (or true or false); resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.</source>
        <translation>Avec --set&#xa0;: fullscreen, filtering, flat et music prennent on ou off (ou true ou false)&#xa0;; resolution prend 320x240, 512x384, 640x480, 800x600 ou 1024x768.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Prints the version and the licence.</source>
        <translation>Affiche la version et la licence.</translation>
    </message>
    <message>
        <source>Prints the settings, one KEY=VALUE a line.</source>
        <translation>Affiche les réglages, un KEY=VALUE par ligne.</translation>
    </message>
    <message>
        <source>Changes the given settings and saves the file.</source>
        <translation>Modifie les réglages donnés et enregistre le fichier.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 Try --help.</source>
        <translation>%1 Essayez --help.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (settings to change go after --set)</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;» (les réglages à modifier se placent après --set)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--set needs at least one KEY=VALUE</source>
        <translation>--set demande au moins un KEY=VALUE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not KEY=VALUE</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas de la forme KEY=VALUE</translation>
    </message>
    <message>
        <source>the game does not offer the resolution &apos;%1&apos;</source>
        <translation>le jeu ne propose pas la résolution «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>réglage inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 prend on ou off, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--print and --set go one at a time</source>
        <translation>--print et --set ne peuvent pas être utilisés ensemble</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game settings</source>
        <translation>Réglages du jeu</translation>
    </message>
    <message>
        <source>Set the display, graphics and music of Zunkel before playing</source>
        <translation>Régler l’affichage, les graphismes et la musique de Zunkel avant de jouer</translation>
    </message>
    <message>
        <source>settings;options;resolution;display;fullscreen;graphics;music;sound;</source>
        <translation>réglages;options;résolution;affichage;plein écran;graphismes;musique;son;</translation>
    </message>
    <message>
        <source>The configuration tool of the game Zunkel. Before playing, choose the display resolution, full screen or a window, bilinear filtering, flat rendering and music, and press Save: the game reads the choices from its settings file.</source>
        <translation>L’outil de configuration du jeu Zunkel. Avant de jouer, choisissez la résolution, le plein écran ou une fenêtre, le filtrage bilinéaire, le rendu plat et la musique, puis appuyez sur Sauver&#xa0;: le jeu lit ces choix dans son fichier de réglages.</translation>
    </message>
    <message>
        <source>The whole tool is one small window that works with the keyboard and with screen readers. Scripts can read and change the same settings from the command line, without a display.</source>
        <translation>Tout l’outil tient dans une petite fenêtre, utilisable au clavier et avec un lecteur d’écran. Des scripts peuvent lire et modifier les mêmes réglages en ligne de commande, sans écran.</translation>
    </message>
    <message>
        <source>The configuration window</source>
        <translation>La fenêtre de configuration</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is a link that another user made to a file that is not theirs</source>
        <translation>c&apos;est un lien qu&apos;un autre utilisateur a créé vers un fichier qui n&apos;est pas le sien</translation>
    </message>
    <message>
        <source>the program&apos;s folder cannot be found</source>
        <translation>le dossier du programme est introuvable</translation>
    </message>
    <message>
        <source>another program locks every new file made beside it</source>
        <translation>un autre programme verrouille chaque nouveau fichier créé à côté</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>the file is marked read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file is UTF-16 text</source>
        <translation>le fichier est du texte UTF-16</translation>
    </message>
    <message>
        <source>the file ends after %1 of its %2 values</source>
        <translation>le fichier s&apos;arrête après %1 de ses %2 valeurs</translation>
    </message>
    <message>
        <source>value %1 of the file is longer than 1 MiB</source>
        <translation>la valeur %1 du fichier dépasse 1 Mio</translation>
    </message>
    <message>
        <source>value %1 of the file has a quote that is never closed</source>
        <translation>la valeur %1 du fichier a un guillemet jamais fermé</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the system wrote nothing</source>
        <translation>le système n&apos;a rien écrit</translation>
    </message>
    <message>
        <source>a value cannot be written to the file</source>
        <translation>une valeur ne peut pas être écrite dans le fichier</translation>
    </message>
    <message>
        <source>Ask whoever installed the game to let you change this file, or copy this program and zunkel.cfg into a folder of your own and start it from there.</source>
        <translation>Demandez à la personne qui a installé le jeu de vous laisser modifier ce fichier, ou copiez ce programme et zunkel.cfg dans un dossier qui vous appartient et démarrez le programme depuis ce dossier.</translation>
    </message>
    <message>
        <source>another program held the file for more than a second</source>
        <translation>un autre programme a gardé le fichier plus d’une seconde</translation>
    </message>
    <message>
        <source>the file kept changing while it was read</source>
        <translation>le fichier n’a cessé de changer pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Config</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Settings of the game Zunkel</source>
        <translation>Réglages du jeu Zunkel</translation>
    </message>
    <message>
        <source>Display resolution</source>
        <translation>Résolution d&apos;écran</translation>
    </message>
    <message>
        <source>Zunkel Configuration</source>
        <translation>Réglages de Zunkel</translation>
    </message>
    <message>
        <source>Zunkel</source>
        <translation>Zunkel</translation>
    </message>
    <message>
        <source>The game&apos;s icon</source>
        <translation>L&apos;icône du jeu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Save these settings for the game.</source>
        <translation>Enregistrer ces réglages pour le jeu.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close without saving.</source>
        <translation>Fermer sans enregistrer.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Run the game full screen instead of in a window.</source>
        <translation>Lancer le jeu en plein écran plutôt que dans une fenêtre.</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <translation>Filtre bilinéaire</translation>
    </message>
    <message>
        <source>Smooth the textures when they are scaled.</source>
        <translation>Lisser les textures lors de leur mise à l&apos;échelle.</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <translation>Rendu plat</translation>
    </message>
    <message>
        <source>Draw surfaces with flat shading.</source>
        <translation>Dessiner les surfaces avec un ombrage plat.</translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Play music during the game.</source>
        <translation>Activer la musique pendant la partie.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>A monitor showing a scene from the game</source>
        <translation>Un moniteur montrant une scène du jeu</translation>
    </message>
    <message>
        <source>Game scene</source>
        <translation>Scène du jeu</translation>
    </message>
    <message>
        <source>Zunkel on a glowing grid at sunset</source>
        <translation>Zunkel sur une grille lumineuse au coucher du soleil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The screen resolution the game runs at.</source>
        <translation>La résolution d&apos;écran du jeu.</translation>
    </message>
    <message>
        <source>You chose a display size that, when windowed, will be bigger than your desktop. Either select a lower resolution or switch to full screen.</source>
        <translation>La résolution choisie sera, en mode fenêtré, plus grande que votre bureau. Choisissez une résolution plus basse ou passez en plein écran.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Sorry, config file not found</source>
        <translation>Désolé, fichier de configuration introuvable</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>accessible name</comment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <comment>accessible name</comment>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Bilinear Filtering</source>
        <comment>accessible name</comment>
        <translation>Filtrage bilinéaire</translation>
    </message>
    <message>
        <source>Render Flat</source>
        <comment>accessible name</comment>
        <translation>Rendu plat</translation>
    </message>
    <message>
        <source>Play Music</source>
        <comment>accessible name</comment>
        <translation>Jouer la musique</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and why it cannot be read or saved</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
</TS>
