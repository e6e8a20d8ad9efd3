<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Impossibile scrivere il file Brelvox.hi!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Troppi indizi...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Troppi indizi ingiustificati!
Puoi continuare a giocare, ma non entrerai nella classifica.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nessuno</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>scopri</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>segna</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Scopre la casella</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Segna la casella o toglie il segno</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>segnata</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>segno sbagliato</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>scopri intorno</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Scopre le caselle vicine a un numero le cui mine sono tutte segnate</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, %n casella scoperta</numerusform>
            <numerusform>%1, %n caselle scoperte</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Partita in pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Partita ripresa</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Suono attivato</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Suono disattivato</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Indizio: riga %1, colonna %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>Resta %n indizio</numerusform>
            <numerusform>Restano %n indizi</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Hai vinto in 1 secondo</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Hai vinto in %n secondo</numerusform>
            <numerusform>Hai vinto in %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indizio: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
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
        <translation>Come si gioca a Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Scorri verso il basso con la barra a destra per continuare a leggere: prima le regole, poi ciò che rende diverso questo gioco.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Per prima cosa scegli un livello premendo «Nuova». Poi regola la grandezza delle caselle secondo il tuo schermo con i pulsanti a freccia rossi.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Per scoprire una casella usa il tasto sinistro del mouse; per segnare una casella che secondo te nasconde una mina usa il tasto destro. Se scopri una mina hai perso.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Ogni casella scoperta senza mina mostra un numero: quante mine ci sono nelle caselle vicine, comprese quelle in diagonale. Il numero più alto possibile è quindi 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>A volte i numeri non bastano e dovresti tirare a indovinare. Qui Brelvox ti aiuta:</translation>
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
        <translation>In qualsiasi situazione, se non puoi andare avanti perché potresti solo tirare a indovinare quale casella cliccare, premi il pulsante «Indizio». Il programma controlla se ti è sfuggita una casella su cui potevi fare un clic «sicuro» e fa quel clic al posto tuo. Il contatore accanto al pulsante «Indizio» scende. Se avevi ragione e un clic «sicuro» davvero non c&apos;era, il programma fa per te un clic che ti permette di continuare a giocare. In questo caso il contatore degli indizi non scende.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Grazie a questo non serve mai tirare a indovinare, e Brelvox diventa una vera sfida.</translation>
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
        <translation>Tasti: %1 Nuova, %2 per la pausa, %3 Indizio, %4 Muto o Suono, %5 Info, %6 e %7 per caselle più grandi o più piccole, %8 chiude il gioco. I tasti freccia spostano una cornice sul campo; %13 e %14 vanno alla prima e all&apos;ultima colonna, %15 e %16 alla prima e all&apos;ultima riga. %17 scopre la casella incorniciata, %18 la segna, %19 scopre le caselle intorno. In una finestra come questa Tab passa da un pulsante all&apos;altro, Invio o Spazio lo preme ed Esc è Indietro.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Le grandezze delle caselle e i tuoi tempi migliori sono salvati in Brelvox.ini e Brelvox.hi. I commenti sono benvenuti nel sistema di segnalazione del progetto Brelvox. Buon divertimento! Gli autori di Brelvox,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>Gli autori di Brelvox, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Buon divertimento con Brelvox! Commenti e idee sono sempre benvenuti: mandaceli pure.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Scrivici nel sistema di segnalazione.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Classifica</translation>
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
        <translation>facile:
8 × 8 caselle
12 mine nascoste
4 indizi concessi
alla portata di tutti...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>normale:
24 × 16 caselle
55 mine nascoste
3 indizi concessi
la sfida classica</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>difficile:
30 × 16 caselle
88 mine nascoste
1 indizio concesso
attenzione agli indizi!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>esperto:
30 × 24 caselle
170 mine nascoste
1 indizio concesso
questo è davvero duro</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>normale</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>difficile</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>esperto</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>scegli un livello</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>scegli un livello:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>caratteristiche:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indizio</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Indizi rimasti</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Indizi che puoi ancora usare senza perdere il punteggio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Tempo di gioco, ore:minuti:secondi</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Caselle più grandi</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Ingrandisce le caselle di questo livello</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Caselle più piccole</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Rimpicciolisce le caselle di questo livello</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Sceglie un livello e inizia una nuova partita</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Spegne o accende i suoni</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Mostra le regole e i tempi migliori</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Nasconde il campo e ferma l&apos;orologio</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Fa per te una mossa sicura; il contatore accanto mostra gli indizi rimasti</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Nuovo record!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Chiude il gioco</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Sposta la cornice di una casella a sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Sposta la cornice di una casella a destra</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Sposta la cornice di una casella in alto</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Sposta la cornice di una casella in basso</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Prima colonna</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Sposta la cornice alla prima colonna</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Ultima colonna</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Sposta la cornice all&apos;ultima colonna</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Prima riga</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Sposta la cornice alla prima riga</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Ultima riga</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Sposta la cornice all&apos;ultima riga</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Scopri</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Scopre la casella incorniciata</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Segna</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Segna la casella incorniciata o toglie il segno</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Scopri intorno</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Scopre le caselle vicine alla casella incorniciata</translation>
    </message>
</context>
</TS>
