<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Не удаётся записать файл Brelvox.hi!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Слишком много советов...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Слишком много лишних советов!
Можно играть дальше, но в таблицу рекордов вы не попадёте.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Никто</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>открыть</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>пометить</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Открывает клетку</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Ставит или снимает пометку</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>закрыта</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>помечена</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>мина</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>ошибочная пометка</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>открыть вокруг</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Открывает клетки вокруг числа, у которого помечены все мины</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>строка %1, столбец %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, открыта %n клетка</numerusform>
            <numerusform>%1, открыты %n клетки</numerusform>
            <numerusform>%1, открыто %n клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Игра приостановлена</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Игра продолжена</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Совет: строка %1, столбец %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>Остался %n совет</numerusform>
            <numerusform>Осталось %n совета</numerusform>
            <numerusform>Осталось %n советов</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Вы проиграли</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Вы выиграли за 1 секунду</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Вы выиграли за %n секунду</numerusform>
            <numerusform>Вы выиграли за %n секунды</numerusform>
            <numerusform>Вы выиграли за %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Совет: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <extracomment>A time in minutes:seconds (%1), and who made it (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TInfo</name>
    <message>
        <source>How to play Brelvox</source>
        <translation>Как играть в Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Прокрутите вниз полосой справа, чтобы читать дальше: сначала правила, потом то, чем эта игра отличается.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Сначала выберите уровень кнопкой «Новая». Затем маленькими красными стрелками подберите размер клеток под свой экран.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Клетка открывается левой кнопкой мыши, а клетку, под которой, по-вашему, мина, помечают правой кнопкой. Если вы откроете мину, вы проиграли.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Каждая открытая клетка без мины показывает число&#xa0;— сколько мин в соседних клетках, считая и клетки по диагонали. Поэтому самое большое число&#xa0;— 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>Иногда чисел недостаточно и пришлось бы угадывать. Тут Brelvox и приходит на помощь:</translation>
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
        <translation>Если в какой-то момент вы застряли, потому что можете только угадывать, какую клетку открыть, нажмите кнопку «Совет». Программа проверит, не пропустили ли вы клетку, где был возможен «безопасный» ход, и сделает этот ход за вас. Счётчик рядом с кнопкой «Совет» уменьшится. Если же вы были правы и «безопасного» хода действительно не было, программа сама откроет клетку, чтобы вы могли играть дальше. В этом случае счётчик советов не уменьшается.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Благодаря этому угадывать никогда не нужно, и Brelvox становится настоящим состязанием.</translation>
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
        <translation>Клавиши: %1&#xa0;— Новая, %2&#xa0;— пауза, %3&#xa0;— Совет, %4 выключает и включает звук, %5&#xa0;— Инфо, %6 и %7&#xa0;— клетки крупнее и мельче, %8 закрывает игру. Стрелки двигают рамку по полю; %13 и %14 переводят её в первый и последний столбец, %15 и %16&#xa0;— в первую и последнюю строку. %17 открывает клетку в рамке, %18 помечает её, %19 открывает клетки вокруг неё. В таком окне, как это, Tab переходит между кнопками, Enter или Пробел нажимает кнопку, а Esc&#xa0;— то же, что «Назад».</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Ваши размеры клеток и рекорды хранятся в файлах Brelvox.ini и Brelvox.hi. Замечания принимаются в трекере задач проекта Brelvox. Приятной игры! Разработчики Brelvox,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>Разработчики Brelvox, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Приятной игры с Brelvox! Замечания и идеи всегда приветствуются&#xa0;— присылайте их нам.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Пишите в трекер задач проекта Brelvox.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Ver. %1</source>
        <translation>Вер. %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TLevelChoose</name>
    <message>
        <source>easy:<byte value="xd"/>8 * 8 size<byte value="xd"/>12 mines hidden<byte value="xd"/>4 hints allowed<byte value="xd"/>anyone can do this one...</source>
        <translation>лёгкий:
поле 8 × 8
спрятано 12 мин
разрешено 4 совета
это сможет каждый...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>обычный:
поле 24 × 16
спрятано 55 мин
разрешено 3 совета
обычное испытание</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>сложный:
поле 30 × 16
спрятано 88 мин
разрешён 1 совет
берегите советы!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>эксперт:
поле 30 × 24
спрятано 170 мин
разрешён 1 совет
это очень трудно</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>лёгкий</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>обычный</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>сложный</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>эксперт</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>выбор уровня</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>выбор уровня:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>характеристики:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Совет</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Осталось советов</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Советы, которыми ещё можно воспользоваться, не теряя места в рекордах</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Время игры, часы:минуты:секунды</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Клетки крупнее</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Увеличивает клетки этого уровня</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Клетки мельче</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Уменьшает клетки этого уровня</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Выбирает уровень и начинает новую игру</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Выключает или включает звуки</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Показывает правила и рекорды</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Скрывает поле и останавливает часы</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Делает за вас безопасный ход; счётчик рядом показывает, сколько осталось советов</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Новый рекорд!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Введите своё имя:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Закрывает игру</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Сдвигает рамку на одну клетку влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Сдвигает рамку на одну клетку вправо</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Сдвигает рамку на одну клетку вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Сдвигает рамку на одну клетку вниз</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Первый столбец</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Переводит рамку в первый столбец</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Последний столбец</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Переводит рамку в последний столбец</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Первая строка</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Переводит рамку в первую строку</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Последняя строка</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Переводит рамку в последнюю строку</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Открывает клетку в рамке</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Пометить</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Ставит или снимает пометку на клетке в рамке</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Открыть вокруг</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Открывает клетки вокруг клетки в рамке</translation>
    </message>
</context>
</TS>
