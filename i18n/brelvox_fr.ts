<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Impossible d&apos;écrire le fichier Brelvox.hi&#xa0;!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Trop d&apos;indices...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Trop d&apos;indices injustifiés&#xa0;!
Vous pouvez continuer à jouer, mais vous n&apos;entrerez pas dans le tableau des records.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>découvrir</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marquer</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Découvre la case</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Marque la case ou retire sa marque</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>couverte</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marquée</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mine</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>marque erronée</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>découvrir autour</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Découvre les cases voisines d&apos;un nombre dont toutes les mines sont marquées</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, %n case découverte</numerusform>
            <numerusform>%1, %n cases découvertes</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Partie reprise</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Indice&#xa0;: ligne %1, colonne %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>Il reste %n indice</numerusform>
            <numerusform>Il reste %n indices</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Vous avez perdu</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Vous avez gagné en 1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Vous avez gagné en %n seconde</numerusform>
            <numerusform>Vous avez gagné en %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <extracomment>A time in minutes:seconds (%1), and who made it (%2)</extracomment>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TInfo</name>
    <message>
        <source>How to play Brelvox</source>
        <translation>Comment jouer à Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Faites défiler avec la barre de droite pour lire la suite&#xa0;: d&apos;abord les règles, puis ce qui rend ce jeu différent.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Choisissez d&apos;abord un niveau avec «&#xa0;Lancer&#xa0;». Réglez ensuite la taille d&apos;affichage selon votre écran avec les petites flèches rouges.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Pour découvrir une case, utilisez le bouton gauche de la souris&#xa0;; pour marquer une case que vous croyez minée, le bouton droit. Si vous découvrez une mine, vous avez perdu.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Toute case découverte qui ne contient pas de mine affiche le nombre de mines parmi ses voisines, les cases en diagonale comprises. Le plus grand nombre possible est donc 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>Parfois, les nombres ne suffisent pas et il faudrait deviner. C&apos;est là que Brelvox vous aide&#xa0;:</translation>
    </message>
    <message>
        <source>At any constellation, if you can&apos;t go on
beause you can only guess which field
to click at, press the &quot;Hint&quot; button. The
program will check if you missed a field
where you could have done a &quot;safe&quot;
click and does this click for you. The
counter next to the &quot;Hint&quot; button
decreases. In case you were right and
a &quot;safe&quot; click really was not possible,
the program does a click for you which
gives you the opportunity to go on
playing. In this case, the hint counter is
not decremented.</source>
        <translation>Quelle que soit la situation, si vous ne pouvez plus avancer qu&apos;en devinant quelle case cliquer, appuyez sur «&#xa0;Indice&#xa0;». Le programme vérifie si vous avez manqué une case où un clic «&#xa0;sûr&#xa0;» était possible et fait ce clic à votre place. Le compteur à côté du bouton «&#xa0;Indice&#xa0;» diminue alors. Si vous aviez raison et qu&apos;aucun clic «&#xa0;sûr&#xa0;» n&apos;était possible, le programme clique pour vous sur une case qui vous permet de continuer. Dans ce cas, le compteur d&apos;indices ne diminue pas.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Grâce à cette aide, il n&apos;est jamais nécessaire de deviner, et Brelvox devient une vraie compétition.</translation>
    </message>
    <message>
        <source>Keys: %1 New, %2 to pause,
%3 Hint, %4 Sound or Silent, %5 Info,
%6 and %7 bigger and
smaller cells, %8 closes the game.
The arrow keys move a frame over the
board; %13 and %14 go to the first and
last column, %15 and %16 to the
first and last row. %17
uncovers the framed field, %18
marks it, %19 uncovers the fields
around it. In a window like this one,
Tab moves between the buttons, Enter
or Space presses, Escape is Back.</source>
        <translation>Touches&#xa0;: %1 Lancer, %2 pour la pause, %3 Indice, %4 Muet ou Son, %5 Infos, %6 et %7 pour des cases plus grandes ou plus petites, %8 ferme le jeu. Les flèches déplacent un cadre sur le plateau&#xa0;; %13 et %14 vont à la première et à la dernière colonne, %15 et %16 à la première et à la dernière ligne. %17 découvre la case encadrée, %18 la marque, %19 découvre les cases autour. Dans une fenêtre comme celle-ci, Tab passe d&apos;un bouton à l&apos;autre, Entrée ou Espace active le bouton, Échap équivaut à Retour.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Vos tailles d&apos;affichage et vos meilleurs temps sont conservés dans Brelvox.ini et Brelvox.hi. Vos remarques sont les bienvenues sur le suivi des tickets du projet Brelvox. Bon jeu&#xa0;! L&apos;équipe de Brelvox,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>L&apos;équipe de Brelvox, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Amusez-vous bien avec Brelvox&#xa0;! Remarques et idées sont toujours les bienvenues&#xa0;: envoyez-les-nous.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Écrivez sur le suivi des tickets du projet Brelvox.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Ver. %1</source>
        <translation>Ver. %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TLevelChoose</name>
    <message>
        <source>easy:<byte value="xd"/>8 * 8 size<byte value="xd"/>12 mines hidden<byte value="xd"/>4 hints allowed<byte value="xd"/>anyone can do this one...</source>
        <translation>facile&#xa0;:
8 × 8 cases
12 mines cachées
4 indices permis
à la portée de tous...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>standard&#xa0;:
24 × 16 cases
55 mines cachées
3 indices permis
le défi classique</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>difficile&#xa0;:
30 × 16 cases
88 mines cachées
1 indice permis
ménagez vos indices&#xa0;!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>expert&#xa0;:
30 × 24 cases
170 mines cachées
1 indice permis
vraiment très dur</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>difficile</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>choisir un niveau</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>choix du niveau&#xa0;:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>caractéristiques&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Indices restants</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Indices que vous pouvez encore prendre sans perdre votre score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Temps de jeu, heures:minutes:secondes</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Cases plus grandes</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Agrandit les cases de ce niveau</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Cases plus petites</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Réduit les cases de ce niveau</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Choisit un niveau et lance une nouvelle partie</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Coupe ou rétablit les sons</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Affiche les règles et les meilleurs temps</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Cache le plateau et arrête le chronomètre</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Joue un coup sûr à votre place&#xa0;; le compteur à côté indique les indices restants</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Ferme le jeu</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Déplace le cadre d&apos;une case vers la gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Déplace le cadre d&apos;une case vers la droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Déplace le cadre d&apos;une case vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Déplace le cadre d&apos;une case vers le bas</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Première colonne</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Déplace le cadre à la première colonne</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Dernière colonne</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Déplace le cadre à la dernière colonne</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Première ligne</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Déplace le cadre à la première ligne</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Dernière ligne</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Déplace le cadre à la dernière ligne</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Découvrir</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Découvre la case encadrée</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Marque la case encadrée ou retire sa marque</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Découvrir autour</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Découvre les cases voisines de la case encadrée</translation>
    </message>
</context>
</TS>
