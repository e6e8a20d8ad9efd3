<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Can&apos;t write to file Brelvox.hi!</source>
        <translation>Não foi possível gravar o arquivo Brelvox.hi!</translation>
    </message>
    <message>
        <source>Too many hints...</source>
        <translation>Dicas demais...</translation>
    </message>
    <message>
        <source>Too many unjustified hints!<byte value="xd"/>You can go on playing, but you will not appear in the highscore.</source>
        <translation>Dicas injustificadas demais!
Você pode continuar jogando, mas não vai entrar no placar.</translation>
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
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Ninguém</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::BoardWidget</name>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>uncover</source>
        <translation>abrir</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marcar</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Abre a casa</translation>
    </message>
    <message>
        <source>Marks or unmarks the cell</source>
        <translation>Marca ou desmarca a casa</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>fechada</translation>
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
        <translation>marcação errada</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>abrir em volta</translation>
    </message>
    <message>
        <source>Uncovers the neighbours of a number whose mines are all marked</source>
        <translation>Abre as casas em volta de um número cujas minas estão todas marcadas</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::Narrator</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n cells uncovered</source>
        <translation>
            <numerusform>%1, %n casa aberta</numerusform>
            <numerusform>%1, %n casas abertas</numerusform>
        </translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Jogo pausado</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Jogo retomado</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Som desligado</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>Dica: linha %1, coluna %2</translation>
    </message>
    <message numerus="yes">
        <source>Hints left: %n</source>
        <translation>
            <numerusform>Dicas restantes: %n</numerusform>
            <numerusform>Dicas restantes: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>You won in 1 second</source>
        <translation>Você ganhou em 1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>You won in %n seconds</source>
        <translation>
            <numerusform>Você ganhou em %n segundo</numerusform>
            <numerusform>Você ganhou em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Dica: %1</translation>
    </message>
</context>
<context>
    <name>brelvox::ui::THighscore</name>
    <message>
        <source>Highscore</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
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
        <translation>Como jogar Brelvox</translation>
    </message>
    <message>
        <source>(Scroll down with the bar on the right
to read on: the rules come first, then
what makes this game different.)</source>
        <translation>(Role para baixo com a barra à direita para continuar lendo: primeiro vêm as regras, depois o que torna este jogo diferente.)</translation>
    </message>
    <message>
        <source>First, select a level by pressing &quot;New&quot;.
Select your preferred display size,
according to your screen resulution,
using the little red arrow buttons.</source>
        <translation>Primeiro, escolha um nível clicando em “Novo”. Depois ajuste o tamanho das casas à sua tela com os botões de setas vermelhas.</translation>
    </message>
    <message>
        <source>To uncover a field, use the left mouse
button, to mark a field you consider to
be a mine use the right button. If you
uncover a mine you have lost.</source>
        <translation>Para abrir uma casa, use o botão esquerdo do mouse; para marcar uma casa onde você acha que há uma mina, use o botão direito. Se abrir uma mina, você perde.</translation>
    </message>
    <message>
        <source>Any uncovered field containing no mine
shows a number according to the
number of mines next to this field, while
also the diagonal fields are called
&quot;next&quot;. The maximum number shown is
therefore 8.</source>
        <translation>Toda casa aberta sem mina mostra um número: quantas minas há nas casas vizinhas, contando também as diagonais. Por isso o maior número possível é 8.</translation>
    </message>
    <message>
        <source>Sometimes the numbers do not tell you
enough, and you would have to guess.
This is where Brelvox helps you:</source>
        <translation>Às vezes os números não dizem o bastante e você teria de chutar. É aqui que o Brelvox ajuda:</translation>
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
        <translation>Em qualquer situação, se você não consegue continuar porque só poderia chutar qual casa clicar, clique no botão “Dica”. O programa verifica se você deixou passar uma casa onde era possível um clique “seguro” e faz esse clique por você. O contador ao lado do botão “Dica” diminui. Se você tinha razão e não havia mesmo nenhum clique “seguro”, o programa faz por você um clique que permite continuar jogando. Nesse caso, o contador de dicas não diminui.</translation>
    </message>
    <message>
        <source>With this feature, guessing is not
necessary, and you can do real
contests in playing Brelvox.</source>
        <translation>Com isso, nunca é preciso chutar, e o Brelvox vira uma disputa de verdade.</translation>
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
        <translation>Teclas: %1 Novo, %2 pausa, %3 Dica, %4 Mudo ou Som, %5 Info, %6 e %7 casas maiores e menores, %8 fecha o jogo. As setas movem uma moldura pelo tabuleiro; %13 e %14 vão para a primeira e a última coluna, %15 e %16 para a primeira e a última linha. %17 abre a casa emoldurada, %18 a marca, %19 abre as casas em volta. Numa janela como esta, Tab passa de um botão a outro, Enter ou Espaço aperta o botão e Esc é Voltar.</translation>
    </message>
    <message>
        <source>Your display sizes and best times are
kept in Brelvox.ini and Brelvox.hi.
Comments are welcome through the
issue tracker of the Brelvox project.
Have fun! The Brelvox developers, 2026</source>
        <translation>Seus tamanhos de casa e melhores tempos ficam em Brelvox.ini e Brelvox.hi. Comentários são bem-vindos no rastreador de issues do projeto Brelvox. Divirta-se! A equipe do Brelvox,&#xa0;2026</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Brelvox developers, 2026</source>
        <translation>A equipe do Brelvox, 2026</translation>
    </message>
    <message>
        <source>Have fun with Brelvox! Comments and ideas are always welcome: please send them to us.</source>
        <translation>Divirta-se com o Brelvox! Comentários e ideias são sempre bem-vindos: mande para nós.</translation>
    </message>
    <message>
        <source>Write to the Brelvox project&apos;s issue tracker.</source>
        <translation>Escreva no rastreador de issues do projeto Brelvox.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Howto...</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Placar</translation>
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
8 × 8 casas
12 minas escondidas
4 dicas permitidas
qualquer um consegue...</translation>
    </message>
    <message>
        <source>standard:<byte value="xd"/>24 * 16 size<byte value="xd"/>55 mines hidden<byte value="xd"/>3 hints allowed<byte value="xd"/>the standard challenge</source>
        <translation>normal:
24 × 16 casas
55 minas escondidas
3 dicas permitidas
o desafio de sempre</translation>
    </message>
    <message>
        <source>diffcult:<byte value="xd"/>30 * 16 size<byte value="xd"/>88 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>be careful with those hints!</source>
        <translation>difícil:
30 × 16 casas
88 minas escondidas
1 dica permitida
cuidado com as dicas!</translation>
    </message>
    <message>
        <source>hard:<byte value="xd"/>30 * 24 size<byte value="xd"/>170 mines hidden<byte value="xd"/>1 hint allowed<byte value="xd"/>this is really hard</source>
        <translation>especialista:
30 × 24 casas
170 minas escondidas
1 dica permitida
isto é difícil mesmo</translation>
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
        <translation>especialista</translation>
    </message>
    <message>
        <source>choose a level</source>
        <translation>escolha um nível</translation>
    </message>
    <message>
        <source>choose a level:</source>
        <translation>escolha um nível:</translation>
    </message>
    <message>
        <source>characteristics:</source>
        <translation>características:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jogar</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Hints left</source>
        <translation>Dicas restantes</translation>
    </message>
    <message>
        <source>Hints you may still take without losing your score</source>
        <translation>Dicas que você ainda pode usar sem perder sua pontuação</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time played, hours:minutes:seconds</source>
        <translation>Tempo de jogo, horas:minutos:segundos</translation>
    </message>
    <message>
        <source>Bigger cells</source>
        <translation>Casas maiores</translation>
    </message>
    <message>
        <source>Makes the cells of this level bigger</source>
        <translation>Aumenta as casas deste nível</translation>
    </message>
    <message>
        <source>Smaller cells</source>
        <translation>Casas menores</translation>
    </message>
    <message>
        <source>Makes the cells of this level smaller</source>
        <translation>Diminui as casas deste nível</translation>
    </message>
    <message>
        <source>Chooses a level and starts a new game</source>
        <translation>Escolhe um nível e começa um jogo novo</translation>
    </message>
    <message>
        <source>Switches the sound cues off or on</source>
        <translation>Desliga ou liga os sons</translation>
    </message>
    <message>
        <source>Shows the help and the best times</source>
        <translation>Mostra as regras e os melhores tempos</translation>
    </message>
    <message>
        <source>Hides the board and stops the clock</source>
        <translation>Esconde o tabuleiro e para o relógio</translation>
    </message>
    <message>
        <source>Makes a safe move for you; the counter beside it shows the hints left</source>
        <translation>Faz uma jogada segura por você; o contador ao lado mostra as dicas restantes</translation>
    </message>
    <message>
        <source>New highscore!</source>
        <translation>Novo recorde!</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Closes the game</source>
        <translation>Fecha o jogo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Para a esquerda</translation>
    </message>
    <message>
        <source>Moves the frame one cell left</source>
        <translation>Move a moldura uma casa para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Para a direita</translation>
    </message>
    <message>
        <source>Moves the frame one cell right</source>
        <translation>Move a moldura uma casa para a direita</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Moves the frame one cell up</source>
        <translation>Move a moldura uma casa para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Moves the frame one cell down</source>
        <translation>Move a moldura uma casa para baixo</translation>
    </message>
    <message>
        <source>First column</source>
        <translation>Primeira coluna</translation>
    </message>
    <message>
        <source>Moves the frame to the first column</source>
        <translation>Move a moldura para a primeira coluna</translation>
    </message>
    <message>
        <source>Last column</source>
        <translation>Última coluna</translation>
    </message>
    <message>
        <source>Moves the frame to the last column</source>
        <translation>Move a moldura para a última coluna</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primeira linha</translation>
    </message>
    <message>
        <source>Moves the frame to the first row</source>
        <translation>Move a moldura para a primeira linha</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última linha</translation>
    </message>
    <message>
        <source>Moves the frame to the last row</source>
        <translation>Move a moldura para a última linha</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Uncovers the framed cell</source>
        <translation>Abre a casa emoldurada</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Marks or unmarks the framed cell</source>
        <translation>Marca ou desmarca a casa emoldurada</translation>
    </message>
    <message>
        <source>Uncover around</source>
        <translation>Abrir em volta</translation>
    </message>
    <message>
        <source>Uncovers the cells around the framed cell</source>
        <translation>Abre as casas em volta da casa emoldurada</translation>
    </message>
</context>
</TS>
