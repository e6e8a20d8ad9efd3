<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Die Datei Brelvox.hi kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Zu viele Tipps ...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Zu viele unnötige Tipps!
Du kannst weiterspielen, aber deine Zeit kommt nicht in die Bestzeiten.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>aufdecken</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>markieren</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Deckt das Feld auf</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Markiert das Feld oder hebt die Markierung auf</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>falsche Markierung</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>Nachbarfelder aufdecken</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Deckt die Nachbarfelder einer Zahl auf, deren Minen alle markiert sind</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, %n Feld aufgedeckt</numerusform>
            <numerusform>%1, %n Felder aufgedeckt</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Tipp: Zeile %1, Spalte %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>%n Tipp übrig</numerusform>
            <numerusform>%n Tipps übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Du hast verloren</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Du hast in 1 Sekunde gewonnen</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Du hast in %n Sekunde gewonnen</numerusform>
            <numerusform>Du hast in %n Sekunden gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
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
        <translation>So spielst du Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Mit dem Balken rechts nach unten blättern: zuerst kommen die Regeln, dann das, was dieses Spiel besonders macht.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Wähle zuerst mit „Neu“ eine Stufe. Mit den kleinen roten Pfeilknöpfen stellst du die Feldgröße passend zu deinem Bildschirm ein.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Ein Feld deckst du mit der linken Maustaste auf; ein Feld, unter dem du eine Mine vermutest, markierst du mit der rechten. Deckst du eine Mine auf, hast du verloren.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Jedes aufgedeckte Feld ohne Mine zeigt eine Zahl: wie viele Minen in den Nachbarfeldern liegen, die diagonalen mitgezählt. Die größte mögliche Zahl ist also 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>Manchmal verraten die Zahlen nicht genug, und du müsstest raten. Hier hilft dir Brelvox:</translation>
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
        <translation>Wenn du in irgendeiner Lage nicht weiterkommst, weil du nur noch raten könntest, welches Feld du anklicken sollst, drücke „Tipp“. Das Programm prüft, ob du ein Feld übersehen hast, das du sicher hättest anklicken können, und erledigt diesen Klick für dich. Der Zähler neben „Tipp“ sinkt dann um eins. Hattest du recht und war wirklich kein sicherer Klick möglich, klickt das Programm für dich ein Feld an, sodass du weiterspielen kannst. In diesem Fall bleibt der Tippzähler, wie er ist.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Dank dieser Hilfe musst du nie raten, und Brelvox wird zum echten Wettkampf.</translation>
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
        <translation>Tasten: %1 Neu, %2 hält an, %3 Tipp, %4 Ton aus oder Ton an, %5 Info, %6 und %7 größere und kleinere Felder, %8 beendet das Spiel. Die Pfeiltasten bewegen einen Rahmen über das Spielfeld; %13 und %14 springen in die erste und letzte Spalte, %15 und %16 in die erste und letzte Zeile. %17 deckt das umrahmte Feld auf, %18 markiert es, %19 deckt die Felder rundherum auf. In einem Fenster wie diesem wechselt Tab zwischen den Knöpfen, Eingabetaste oder Leertaste drückt den Knopf, Esc ist Zurück.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Deine Feldgrößen und Bestzeiten stehen in Brelvox.ini und Brelvox.hi. Anmerkungen sind im Issue-Tracker des Brelvox-Projekts willkommen. Viel Spaß! Die Brelvox-Entwickler,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>Die Brelvox-Entwickler, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Viel Spaß mit Brelvox! Anmerkungen und Ideen sind immer willkommen: Schreib uns einfach.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Schreib uns im Issue-Tracker des Projekts.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Bestzeiten</translation>
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
        <translation>Leicht:
8 × 8 Felder
12 Minen versteckt
4 Tipps erlaubt
Das schafft jeder ...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>Standard:
24 × 16 Felder
55 Minen versteckt
3 Tipps erlaubt
Die klassische Aufgabe</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>Schwierig:
30 × 16 Felder
88 Minen versteckt
1 Tipp erlaubt
Geh sparsam mit Tipps um!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>Experte:
30 × 24 Felder
170 Minen versteckt
1 Tipp erlaubt
Das ist wirklich schwer</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>Stufe wählen</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>Stufe wählen:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>Eigenschaften:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Verbleibende Tipps</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Tipps, die du noch nehmen kannst, ohne deine Wertung zu verlieren</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Gespielte Zeit, Stunden:Minuten:Sekunden</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Größere Felder</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Vergrößert die Felder dieser Stufe</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Kleinere Felder</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Verkleinert die Felder dieser Stufe</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Wählt eine Stufe und startet ein neues Spiel</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Schaltet die Töne aus oder ein</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Zeigt die Anleitung und die Bestzeiten</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Verdeckt das Spielfeld und hält die Uhr an</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Macht einen sicheren Zug für dich; der Zähler daneben zeigt die verbleibenden Tipps</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Neue Bestzeit!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Beendet das Spiel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Bewegt den Rahmen ein Feld nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Bewegt den Rahmen ein Feld nach rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Bewegt den Rahmen ein Feld nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Bewegt den Rahmen ein Feld nach unten</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Erste Spalte</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Bewegt den Rahmen in die erste Spalte</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Letzte Spalte</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Bewegt den Rahmen in die letzte Spalte</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Bewegt den Rahmen in die erste Zeile</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Letzte Zeile</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Bewegt den Rahmen in die letzte Zeile</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Deckt das umrahmte Feld auf</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Markiert das umrahmte Feld oder hebt die Markierung auf</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Nachbarfelder aufdecken</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Deckt die Nachbarfelder des umrahmten Felds auf</translation>
    </message>
</context>
</TS>
