<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Nie można zapisać pliku Brelvox.hi!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Za dużo wskazówek...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Za dużo niepotrzebnych wskazówek!
Możesz grać dalej, ale nie trafisz na listę najlepszych wyników.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nikt</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>odkryj</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>oznacz</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Odkrywa pole</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Oznacza pole lub usuwa oznaczenie</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>zakryte</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>oznaczone</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>błędne oznaczenie</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>odkryj dookoła</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Odkrywa pola wokół liczby, której wszystkie miny są oznaczone</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, odkryto %n pole</numerusform>
            <numerusform>%1, odkryto %n pola</numerusform>
            <numerusform>%1, odkryto %n pól</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gra wstrzymana</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Gra wznowiona</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Wskazówka: wiersz %1, kolumna %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>Pozostała %n wskazówka</numerusform>
            <numerusform>Pozostały %n wskazówki</numerusform>
            <numerusform>Pozostało %n wskazówek</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Wygrana w 1 sekundę</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Wygrana w %n sekundę</numerusform>
            <numerusform>Wygrana w %n sekundy</numerusform>
            <numerusform>Wygrana w %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Wskazówka: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
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
        <translation>Jak grać w Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Przewiń w dół paskiem po prawej, aby czytać dalej: najpierw zasady, potem to, co wyróżnia tę grę.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Najpierw wybierz poziom przyciskiem „Nowa”. Potem małymi czerwonymi strzałkami dobierz rozmiar pól do swojego ekranu.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Pole odkrywasz lewym przyciskiem myszy, a pole, pod którym podejrzewasz minę, oznaczasz prawym. Jeśli odkryjesz minę, przegrywasz.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Każde odkryte pole bez miny pokazuje liczbę min na sąsiednich polach, wliczając pola po przekątnej. Największa możliwa liczba to więc 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>Czasem liczby nie mówią dość i trzeba by zgadywać. Tu Brelvox ci pomaga:</translation>
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
        <translation>Jeśli w jakiejkolwiek sytuacji utkniesz, bo pozostaje już tylko zgadywać, które pole kliknąć, naciśnij przycisk „Wskaż”. Program sprawdzi, czy nie umknęło ci pole, na którym był możliwy „bezpieczny” ruch, i wykona ten ruch za ciebie. Licznik obok przycisku „Wskaż” zmniejszy się o jeden. Jeśli racja była po twojej stronie i „bezpiecznego” ruchu naprawdę nie było, program sam kliknie pole, które pozwoli ci grać dalej. Wtedy licznik wskazówek się nie zmienia.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Dzięki temu nigdy nie trzeba zgadywać, a Brelvox staje się prawdziwą rywalizacją.</translation>
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
        <translation>Klawisze: %1 Nowa, %2 wstrzymuje grę, %3 Wskaż, %4 Wycisz lub Dźwięk, %5 Info, %6 i %7 większe i mniejsze pola, %8 zamyka grę. Strzałki przesuwają ramkę po planszy; %13 i %14 przenoszą do pierwszej i ostatniej kolumny, %15 i %16 do pierwszego i ostatniego wiersza. %17 odkrywa pole w ramce, %18 je oznacza, %19 odkrywa pola dookoła. W oknie takim jak to Tab przechodzi między przyciskami, Enter lub Spacja naciska przycisk, a Esc działa jak Wróć.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Twoje rozmiary pól i najlepsze wyniki są zapisane w plikach Brelvox.ini i Brelvox.hi. Uwagi przyjmujemy w systemie zgłoszeń projektu Brelvox. Miłej zabawy! Twórcy Brelvox,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>Twórcy Brelvox, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Miłej zabawy z Brelvox! Uwagi i pomysły są zawsze mile widziane: napisz do nas.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Napisz do nas w systemie zgłoszeń.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Ver. %1</source>
        <translation>Wer. %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TLevelChoose</name>
    <message>
        <source>easy:<byte value="xd"/>8 * 8 size<byte value="xd"/>12 mines hidden<byte value="xd"/>4 hints allowed<byte value="xd"/>anyone can do this one...</source>
        <translation>łatwy:
plansza 8 × 8
12 ukrytych min
4 wskazówki dozwolone
każdy sobie poradzi...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>standardowy:
plansza 24 × 16
55 ukrytych min
3 wskazówki dozwolone
zwykłe wyzwanie</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>trudny:
plansza 30 × 16
88 ukrytych min
1 wskazówka dozwolona
uważaj ze wskazówkami!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>ekspert:
plansza 30 × 24
170 ukrytych min
1 wskazówka dozwolona
naprawdę trudny</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>łatwy</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standardowy</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>trudny</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>ekspert</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>wybierz poziom</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>wybierz poziom:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>charakterystyka:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Wskaż</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Pozostałe wskazówki</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Wskazówki, z których możesz jeszcze skorzystać bez utraty wyniku</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Czas gry, godziny:minuty:sekundy</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Większe pola</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Powiększa pola tego poziomu</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Mniejsze pola</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Zmniejsza pola tego poziomu</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Wybiera poziom i zaczyna nową grę</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Wyłącza lub włącza dźwięki</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Pokazuje zasady gry i najlepsze wyniki</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Ukrywa planszę i zatrzymuje zegar</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Wykonuje za ciebie bezpieczny ruch; licznik obok pokazuje pozostałe wskazówki</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Nowy rekord!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Podaj swoje imię:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Zamyka grę</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Przesuwa ramkę o jedno pole w lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Przesuwa ramkę o jedno pole w prawo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Przesuwa ramkę o jedno pole w górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Przesuwa ramkę o jedno pole w dół</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Pierwsza kolumna</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Przenosi ramkę do pierwszej kolumny</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Ostatnia kolumna</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Przenosi ramkę do ostatniej kolumny</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Pierwszy wiersz</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Przenosi ramkę do pierwszego wiersza</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Ostatni wiersz</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Przenosi ramkę do ostatniego wiersza</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Odkryj</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Odkrywa pole w ramce</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Oznacz</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Oznacza pole w ramce lub usuwa oznaczenie</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Odkryj dookoła</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Odkrywa pola sąsiadujące z polem w ramce</translation>
    </message>
</context>
</TS>
