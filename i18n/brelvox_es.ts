<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoreText</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>¡No se puede escribir el archivo Brelvox.hi!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Demasiadas pistas...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>¡Demasiadas pistas injustificadas!
Puedes seguir jugando, pero no entrarás en la tabla de récords.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>descubrir</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marcar</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Descubre la casilla</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Marca o desmarca la casilla</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>tapada</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong mark</source>
        <translation>marca errónea</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>descubrir alrededor</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Descubre las casillas vecinas de un número cuyas minas están todas marcadas</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, %n casilla descubierta</numerusform>
            <numerusform>%1, %n casillas descubiertas</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Partida en pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Partida reanudada</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Pista: fila %1, columna %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>Queda %n pista</numerusform>
            <numerusform>Quedan %n pistas</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Has ganado en 1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Has ganado en %n segundo</numerusform>
            <numerusform>Has ganado en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <extracomment>A time in minutes:seconds (%1), and who made it (%2)</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TInfo</name>
    <message>
        <source>How to play Brelvox</source>
        <translation>Cómo jugar a Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Desplázate hacia abajo con la barra de la derecha para seguir leyendo: primero vienen las reglas y después lo que hace distinto a este juego.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Primero elige un nivel pulsando «Nuevo». Después ajusta el tamaño de las casillas a tu pantalla con los botones de las flechas rojas.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Para descubrir una casilla usa el botón izquierdo del ratón; para marcar una casilla donde crees que hay una mina, el derecho. Si descubres una mina, has perdido.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Cada casilla descubierta sin mina muestra un número: cuántas minas hay en las casillas vecinas, contando también las diagonales. Por eso el número más alto es 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>A veces los números no dicen lo suficiente y tendrías que adivinar. Aquí es donde Brelvox te ayuda:</translation>
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
        <translation>En cualquier situación, si no puedes seguir porque solo podrías adivinar qué casilla pulsar, pulsa el botón «Pista». El programa comprueba si se te ha escapado una casilla donde podías hacer un clic «seguro» y hace ese clic por ti. El contador junto al botón «Pista» baja. Si tenías razón y de verdad no había ningún clic «seguro», el programa hace por ti un clic que te permite seguir jugando. En ese caso, el contador de pistas no baja.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Gracias a esto nunca hace falta adivinar, y Brelvox se convierte en una competición de verdad.</translation>
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
        <translation>Teclas: %1 Nuevo, %2 para pausar, %3 Pista, %4 Silencio o Sonido, %5 Info, %6 y %7 para casillas más grandes o más pequeñas, %8 cierra el juego. Las flechas mueven un marco por el tablero; %13 y %14 van a la primera y la última columna, %15 y %16 a la primera y la última fila. %17 descubre la casilla enmarcada, %18 la marca, %19 descubre las casillas de alrededor. En una ventana como esta, Tab pasa de un botón a otro, Intro o Espacio lo pulsa y Esc es Atrás.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Tus tamaños de casilla y tus mejores tiempos se guardan en Brelvox.ini y Brelvox.hi. Los comentarios son bienvenidos en el gestor de incidencias del proyecto Brelvox. ¡Que te diviertas! El equipo de Brelvox,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>El equipo de Brelvox, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>¡Diviértete con Brelvox! Los comentarios y las ideas siempre son bienvenidos: envíanoslos.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Escríbenos en el gestor de incidencias.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Récords</translation>
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
        <translation>fácil:
8 × 8 casillas
12 minas ocultas
4 pistas permitidas
al alcance de cualquiera...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>normal:
24 × 16 casillas
55 minas ocultas
3 pistas permitidas
el desafío de siempre</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>difícil:
30 × 16 casillas
88 minas ocultas
1 pista permitida
¡cuidado con las pistas!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>experto:
30 × 24 casillas
170 minas ocultas
1 pista permitida
esto es difícil de verdad</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>fácil</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>experto</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>elige un nivel</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>elige un nivel:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>características:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::TMainWindow</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Pistas restantes</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Pistas que aún puedes usar sin perder tu puntuación</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Tiempo jugado, horas:minutos:segundos</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Casillas más grandes</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Agranda las casillas de este nivel</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Casillas más pequeñas</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Reduce las casillas de este nivel</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Elige un nivel y empieza una partida nueva</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Apaga o enciende los sonidos</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Muestra las reglas y los mejores tiempos</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Oculta el tablero y para el reloj</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Hace por ti una jugada segura; el contador de al lado muestra las pistas restantes</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Cierra el juego</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Mueve el marco una casilla a la izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Mueve el marco una casilla a la derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Mueve el marco una casilla hacia arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Mueve el marco una casilla hacia abajo</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Primera columna</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Mueve el marco a la primera columna</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Última columna</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Mueve el marco a la última columna</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Mueve el marco a la primera fila</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última fila</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Mueve el marco a la última fila</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Descubrir</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Descubre la casilla enmarcada</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Marca o desmarca la casilla enmarcada</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Descubrir alrededor</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Descubre las casillas vecinas de la casilla enmarcada</translation>
    </message>
</context>
</TS>
