<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Kan het bestand Brelvox.hi niet schrijven!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Te veel hints...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Te veel onnodige hints!
Je kunt verder spelen, maar je komt niet in de ranglijst.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Expert</translation>
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
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>openen</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>markeren</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Opent het vakje</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Markeert het vakje of haalt de markering weg</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>gemarkeerd</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mijn</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>verkeerde markering</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>rondom openen</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Opent de vakjes rond een getal waarvan alle mijnen gemarkeerd zijn</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>rij %1, kolom %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, %n vakje geopend</numerusform>
            <numerusform>%1, %n vakjes geopend</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Hervat</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Hint: rij %1, kolom %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>%n hint over</numerusform>
            <numerusform>%n hints over</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Je hebt verloren</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Je hebt in 1 seconde gewonnen</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Je hebt in %n seconde gewonnen</numerusform>
            <numerusform>Je hebt in %n seconden gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Hint: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Ranglijst</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
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
        <translation>Zo speel je Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Scroll met de balk rechts omlaag om verder te lezen: eerst de regels, daarna wat dit spel anders maakt.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Kies eerst een niveau met „Nieuw”. Stel daarna met de kleine rode pijlknoppen de grootte van de vakjes in die bij je scherm past.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Een vakje open je met de linkermuisknop; een vakje waaronder je een mijn vermoedt, markeer je met de rechtermuisknop. Open je een mijn, dan heb je verloren.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Elk geopend vakje zonder mijn toont een getal: hoeveel mijnen er in de vakjes eromheen liggen, de diagonale meegeteld. Het hoogste getal is dus 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>Soms zeggen de getallen niet genoeg en zou je moeten gokken. Daar helpt Brelvox je:</translation>
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
        <translation>Kom je in welke stand dan ook niet verder, omdat je alleen nog kunt gokken welk vakje je moet aanklikken, druk dan op „Hint”. Het programma kijkt of je een vakje over het hoofd hebt gezien waar een „veilige” klik mogelijk was, en doet die klik voor je. De teller naast „Hint” gaat dan omlaag. Had je gelijk en was er echt geen „veilige” klik mogelijk, dan klikt het programma voor je op een vakje waarmee je verder kunt spelen. In dat geval blijft de hintteller gelijk.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Zo hoef je nooit te gokken, en wordt Brelvox een echte wedstrijd.</translation>
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
        <translation>Toetsen: %1 Nieuw, %2 pauzeert, %3 Hint, %4 Stil of Geluid, %5 Info, %6 en %7 grotere en kleinere vakjes, %8 sluit het spel. De pijltoetsen bewegen een kader over het speelveld; %13 en %14 gaan naar de eerste en laatste kolom, %15 en %16 naar de eerste en laatste rij. %17 opent het omkaderde vakje, %18 markeert het, %19 opent de vakjes eromheen. In een venster als dit gaat Tab van knop naar knop, Enter of Spatie drukt de knop in en Esc is Terug.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Je vakjesgroottes en beste tijden staan in Brelvox.ini en Brelvox.hi. Opmerkingen zijn welkom in de issuetracker van het Brelvox-project. Veel plezier! Het Brelvox-team,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>Het Brelvox-team, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Veel plezier met Brelvox! Opmerkingen en ideeën zijn altijd welkom: stuur ze ons gerust.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Schrijf in de issuetracker van het Brelvox-project.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Ranglijst</translation>
    </message>
    <message>
        <source>Ver. %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TLevelChoose</name>
    <message>
        <source>easy:<byte value="xd"/>8 * 8 size<byte value="xd"/>12 mines hidden<byte value="xd"/>4 hints allowed<byte value="xd"/>anyone can do this one...</source>
        <translation>makkelijk:
8 × 8 vakjes
12 mijnen verstopt
4 hints toegestaan
dit kan iedereen...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>normaal:
24 × 16 vakjes
55 mijnen verstopt
3 hints toegestaan
de gewone uitdaging</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>moeilijk:
30 × 16 vakjes
88 mijnen verstopt
1 hint toegestaan
wees zuinig met hints!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>expert:
30 × 24 vakjes
170 mijnen verstopt
1 hint toegestaan
dit is echt zwaar</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>makkelijk</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>normaal</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>moeilijk</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>kies een niveau</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>kies een niveau:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>kenmerken:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Hints over</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Hints die je nog kunt nemen zonder je score te verliezen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Gespeelde tijd, uren:minuten:seconden</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Grotere vakjes</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Maakt de vakjes van dit niveau groter</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Kleinere vakjes</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Maakt de vakjes van dit niveau kleiner</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Kiest een niveau en begint een nieuw spel</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Zet de geluiden uit of aan</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Toont de uitleg en de beste tijden</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Verbergt het speelveld en zet de klok stil</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Doet een veilige zet voor je; de teller ernaast toont de hints die over zijn</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Nieuwe toptijd!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Voer je naam in:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Sluit het spel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Verplaatst het kader één vakje naar links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Verplaatst het kader één vakje naar rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Verplaatst het kader één vakje omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Verplaatst het kader één vakje omlaag</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Eerste kolom</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Verplaatst het kader naar de eerste kolom</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Laatste kolom</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Verplaatst het kader naar de laatste kolom</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Eerste rij</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Verplaatst het kader naar de eerste rij</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Laatste rij</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Verplaatst het kader naar de laatste rij</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Opent het omkaderde vakje</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markeren</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Markeert het omkaderde vakje of haalt de markering weg</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Rondom openen</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Opent de vakjes rond het omkaderde vakje</translation>
    </message>
</context>
</TS>
