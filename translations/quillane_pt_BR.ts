<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AudioModule</name>
    <message>
        <source>The game&apos;s sound module cannot be loaded. %1</source>
        <extracomment>%1 is the system&apos;s reason, in English, or empty</extracomment>
        <translation>Não é possível carregar o módulo de som do jogo. %1</translation>
    </message>
</context>
<context>
    <name>AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <extracomment>The autoplay window&apos;s title.</extracomment>
        <translation>Giro automático</translation>
    </message>
    <message>
        <source>Spins to play at the current bet:</source>
        <translation>Giros com a aposta atual:</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Parar:</translation>
    </message>
    <message>
        <source>When a &amp;bonus game starts</source>
        <translation>Quando começar um jogo &amp;bônus</translation>
    </message>
    <message>
        <source>When a single &amp;win is at least</source>
        <translation>Quando um só &amp;prêmio for de pelo menos</translation>
    </message>
    <message>
        <source>When the &amp;credits fall below</source>
        <translation>Quando os &amp;créditos ficarem abaixo de</translation>
    </message>
    <message>
        <source>Autoplay also stops when the bet can no longer be placed; it never borrows. Any key or click stops it.</source>
        <translation>O giro automático também para quando a aposta não pode mais ser feita; ele nunca pega empréstimo. Qualquer tecla ou clique o interrompe.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>In bonus &amp;games:</source>
        <translation>Nos &amp;jogos bônus:</translation>
    </message>
    <message>
        <source>let me choose</source>
        <extracomment>In the autoplay window: autoplay waits for the player to choose the bonus game&apos;s card</extracomment>
        <translation>deixar eu escolher</translation>
    </message>
    <message>
        <source>my last card</source>
        <extracomment>In the autoplay window: autoplay plays the card the player chose by hand the last time</extracomment>
        <translation>minha última cartela</translation>
    </message>
    <message>
        <source>a random card</source>
        <extracomment>In the autoplay window: autoplay plays one of the five cards, drawn at random</extracomment>
        <translation>uma cartela aleatória</translation>
    </message>
    <message>
        <source>When the run has &amp;lost at least</source>
        <translation>Quando a sequência tiver per&amp;dido pelo menos</translation>
    </message>
    <message>
        <source>When the run has w&amp;on at least</source>
        <translation>Quando a sequência tiver &amp;ganhado pelo menos</translation>
    </message>
    <message>
        <source>The choice for bonus games applies when autoplay does not stop for them. What the run has won or lost counts from its start, bonus wins included and borrowing left aside.</source>
        <translation>A escolha para os jogos bônus vale quando o giro automático não para por eles. O que a sequência ganhou ou perdeu conta desde o início, com os prêmios bônus e sem os empréstimos.</translation>
    </message>
</context>
<context>
    <name>AutoplayText</name>
    <message>
        <source>Autoplay: 1 spin left</source>
        <extracomment>In the message strip while autoplay runs; keep it short.</extracomment>
        <translation>Automático: falta 1 giro</translation>
    </message>
    <message>
        <source>Autoplay: %1 spins left</source>
        <extracomment>In the message strip while autoplay runs, %1 spins; keep it short.</extracomment>
        <translation>Automático: faltam %1 giros</translation>
    </message>
    <message>
        <source>Autoplay finished</source>
        <translation>Giro automático concluído</translation>
    </message>
    <message>
        <source>Autoplay stopped for the bonus game</source>
        <translation>Giro automático parado pelo jogo bônus</translation>
    </message>
    <message>
        <source>Autoplay stopped on a big win</source>
        <translation>Giro automático parado num prêmio grande</translation>
    </message>
    <message>
        <source>Autoplay stopped: credits low</source>
        <translation>Giro automático parado: poucos créditos</translation>
    </message>
    <message>
        <source>Autoplay stopped: the bet cannot be placed</source>
        <translation>Giro automático parado: a aposta não pode ser feita</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Giro automático parado</translation>
    </message>
    <message>
        <source>Autoplay stopped: loss limit reached</source>
        <extracomment>In the message strip: the autoplay run lost as much as the player allowed</extracomment>
        <translation>Giro automático parado: limite de perda atingido</translation>
    </message>
    <message>
        <source>Autoplay stopped: win limit reached</source>
        <extracomment>In the message strip: the autoplay run won as much as the player asked for</extracomment>
        <translation>Giro automático parado: limite de ganho atingido</translation>
    </message>
</context>
<context>
    <name>BonusGameWindow</name>
    <message>
        <source>Bingo Bonus Game</source>
        <extracomment>The bonus game window&apos;s title</extracomment>
        <translation>Jogo Bônus de Bingo</translation>
    </message>
    <message>
        <source>Pays %1</source>
        <extracomment>Bonus game caption under a pattern, in a small box; %1 is what the pattern pays</extracomment>
        <translation>Paga %1</translation>
    </message>
    <message>
        <source>Numbers
Called</source>
        <extracomment>Bonus game caption over the count of balls called, on two short lines</extracomment>
        <translation>Números
sorteados</translation>
    </message>
    <message>
        <source>You chose card %1</source>
        <extracomment>Told to a screen reader; %1 is the card&apos;s number, 1 to 5</extracomment>
        <translation>Você escolheu a cartela %1</translation>
    </message>
    <message>
        <source>Click Monitor for Normal Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls at normal pace</extracomment>
        <translation>Clique no monitor para jogo normal</translation>
    </message>
    <message>
        <source>Click Monitor for Quick Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls the balls quickly</extracomment>
        <translation>Clique no monitor para jogo rápido</translation>
    </message>
    <message>
        <source>; the bonus game pays %1</source>
        <extracomment>Told to a screen reader after the call that ended the bonus game; %1 is what the game paid. Follows the call&apos;s report after a semicolon</extracomment>
        <translation>; o jogo bônus paga %1</translation>
    </message>
    <message>
        <source>Your Card</source>
        <extracomment>Bonus game caption over the card the player chose: keep it short</extracomment>
        <translation>Sua cartela</translation>
    </message>
    <message>
        <source>Select Your Card</source>
        <extracomment>Bonus game caption, flashing until the player picks a card: keep it short</extracomment>
        <translation>Escolha sua cartela</translation>
    </message>
    <message>
        <source>Numbers Called</source>
        <extracomment>Bonus game caption over the count of balls called</extracomment>
        <translation>Números sorteados</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <extracomment>Bonus game caption beside the blackout jackpot: keep it short</extracomment>
        <translation>Bônus Cartela Cheia</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, 1 to 5</extracomment>
        <translation>Cartela %1</translation>
    </message>
    <message>
        <source>Card %1, your card: %2</source>
        <extracomment>The player&apos;s bonus card as a screen reader names it; %1 its number, %2 its score</extracomment>
        <translation>Cartela %1, sua cartela: %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, %2 its score</extracomment>
        <translation>Cartela %1: %2</translation>
    </message>
    <message>
        <source>Monitor: quick play</source>
        <extracomment>The bonus game&apos;s monitor as a screen reader names it; checked while quick play is on</extracomment>
        <translation>Monitor: jogo rápido</translation>
    </message>
    <message>
        <source>Call board: no call yet</source>
        <extracomment>The bonus game&apos;s board of called balls, before any call</extracomment>
        <translation>Painel de números: nenhuma bola sorteada ainda</translation>
    </message>
    <message>
        <source>Call board: call %1, %2</source>
        <translation>Painel de números: bola %1, %2</translation>
    </message>
    <message>
        <source>Calls made: %1</source>
        <extracomment>%1 is the number of balls called so far</extracomment>
        <translation>Bolas sorteadas: %1</translation>
    </message>
    <message>
        <source>Blackout bonus now: %1</source>
        <extracomment>%1 is the blackout jackpot as it stands, in credits</extracomment>
        <translation>Bônus cartela cheia agora: %1</translation>
    </message>
    <message>
        <source>%1: won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: ganho</translation>
    </message>
    <message>
        <source>%1: not won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: não ganho</translation>
    </message>
</context>
<context>
    <name>BorrowWindow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Use esta janela para pegar créditos emprestados ou pagá-los</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>An amount button&apos;s tooltip and name for screen readers, &quot;1,000 credits&quot;.</extracomment>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>Caption of the choice between borrowing and paying back.</extracomment>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pegar empréstimo</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Pagar empréstimo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The borrow window&apos;s Help: &quot;borrow&quot; and &quot;pay back&quot; are its two modes, Borrow Credits and Pay Back Credits.</extracomment>
        <translation>Use esta tela para pegar créditos emprestados ou pagar créditos que você pegou emprestado antes.  Clique no botão do valor a pegar emprestado (ou a pagar).<byte value="xd"/>
<byte value="xd"/>
Para alternar entre “pegar empréstimo” e “pagar empréstimo”, selecione o modo.</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Caption over the meter of the credits borrowed.</extracomment>
        <translation>Emprestado:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Caption over the meter of the player&apos;s credits.</extracomment>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed: %1. Credits: %2.</source>
        <translation>Emprestado: %1. Créditos: %2.</translation>
    </message>
</context>
<context>
    <name>CabinetElements</name>
    <message>
        <source>%1 — spins at once</source>
        <extracomment>A credits key as a screen reader names it; %1 is its caption (&quot;2 Credits&quot;)</extracomment>
        <translation>%1 — gira na hora</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A meter as a screen reader names it; %1 is its caption (&quot;Credits&quot;), %2 its figure</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reel</source>
        <extracomment>A reel window&apos;s column as a screen reader names it</extracomment>
        <translation>Rolo</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>A reel window&apos;s row as a screen reader names it</extracomment>
        <translation>Fileira</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>The reel window as a screen reader names it</extracomment>
        <translation>Rolos</translation>
    </message>
    <message>
        <source>Turning</source>
        <extracomment>A reel cell&apos;s name while the reels turn</extracomment>
        <translation>Girando</translation>
    </message>
    <message>
        <source>Payline %1: played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Linha %1: jogada</translation>
    </message>
    <message>
        <source>Payline %1: not played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Linha %1: não jogada</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The Spin button as a screen reader names it</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The Bet Max button as a screen reader names it</extracomment>
        <translation>Aposta Máx.</translation>
    </message>
    <message>
        <source>Insert Coins — borrow credits</source>
        <extracomment>The coin slot as a screen reader names it</extracomment>
        <translation>Insira moedas — pegar créditos emprestados</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Moedas</translation>
    </message>
    <message>
        <source>Winnings</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Ganhos</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Créditos</translation>
    </message>
</context>
<context>
    <name>CabinetKeyTips</name>
    <message>
        <source>%1 — plays 1 payline from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;1 Payline&quot;)</extracomment>
        <translation>%1 — joga 1 linha a partir do próximo giro. Não gira; as setas Esquerda e Direita também escolhem as linhas.</translation>
    </message>
    <message>
        <source>%1 — plays %2 paylines from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;5 Paylines&quot;), %2 the lines</extracomment>
        <translation>%1 — joga %2 linhas a partir do próximo giro. Não gira; as setas Esquerda e Direita também escolhem as linhas.</translation>
    </message>
    <message>
        <source>%1 — spins now with 1 credit per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;1 Credit&quot;)</extracomment>
        <translation>%1 — gira agora com 1 crédito por linha. Para escolher os créditos sem girar, use as setas Para cima e Para baixo.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;2 Credits&quot;), %2 the credits</extracomment>
        <translation>%1 — gira agora com %2 créditos por linha. Para escolher os créditos sem girar, use as setas Para cima e Para baixo.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits on each of %3 lines, %4 credits in all, when you have that many. Key: M.</source>
        <extracomment>The Bet Max button&apos;s tooltip; %1 is its name, %2 the credits per line, %3 the lines, %4 the whole bet</extracomment>
        <translation>%1 — gira agora com %2 créditos em cada uma das %3 linhas, %4 créditos no total, se você tiver tudo isso. Tecla: M.</translation>
    </message>
    <message>
        <source>%1 — spins with the bet the keys show. Keys: Enter or Space.</source>
        <extracomment>The Spin button&apos;s tooltip; %1 is its name</extracomment>
        <translation>%1 — gira com a aposta que as teclas mostram. Teclas: Enter ou Espaço.</translation>
    </message>
    <message>
        <source>%1 — a click here does nothing: borrow credits from the Borrow menu, or press Tab until the slot is ringed, then Enter.</source>
        <extracomment>The coin slot&apos;s tooltip; %1 is its caption</extracomment>
        <translation>%1 — um clique aqui não faz nada: peça créditos no menu Empréstimo, ou aperte Tab até a fenda ficar destacada e depois Enter.</translation>
    </message>
</context>
<context>
    <name>CabinetPainter</name>
    <message>
        <source>ENTER = SPIN  M = MAX</source>
        <extracomment>The keys&apos; hint beneath the bet keys, painted in a small box: keep it short</extracomment>
        <translation>ENTER = GIRAR  M = MÁX</translation>
    </message>
    <message>
        <source>Oops, I did it again! (%1)</source>
        <translation>Ops, fiz de novo! (%1)</translation>
    </message>
    <message>
        <source> Coins: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the coins bet; keep it short</extracomment>
        <translation> Moedas: </translation>
    </message>
    <message>
        <source> Winnings: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the last spin&apos;s winnings; keep it short</extracomment>
        <translation> Ganhos: </translation>
    </message>
    <message>
        <source> Credits: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the player&apos;s credits; keep it short</extracomment>
        <translation> Créditos: </translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Painted on the coin slot&apos;s small red window, over &quot;Coins&quot;: keep it very short</extracomment>
        <translation>Insira</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Painted on the coin slot&apos;s plate, under &quot;Insert&quot;: keep it very short</extracomment>
        <translation>moedas</translation>
    </message>
    <message>
        <source>Bonus Game Paid %1</source>
        <translation>Jogo Bônus pagou %1</translation>
    </message>
    <message>
        <source>Play the Bonus Game</source>
        <extracomment>In the message strip when the spin won the bonus game</extracomment>
        <translation>Jogue o Jogo Bônus</translation>
    </message>
    <message>
        <source>Scatter paid %1</source>
        <extracomment>In the message strip; %1 is what the scatter balls paid</extracomment>
        <translation>Scatter pagou %1</translation>
    </message>
    <message>
        <source>Line paid %1</source>
        <extracomment>In the message strip, in the payline&apos;s colour; %1 is what the line paid</extracomment>
        <translation>Linha pagou %1</translation>
    </message>
    <message>
        <source>Game paid %1</source>
        <extracomment>In the message strip; %1 is what the whole spin paid</extracomment>
        <translation>Jogo pagou %1</translation>
    </message>
    <message>
        <source>1 Payline</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Linha</translation>
    </message>
    <message>
        <source>3 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Linhas</translation>
    </message>
    <message>
        <source>5 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Linhas</translation>
    </message>
    <message>
        <source>7 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>7 Linhas</translation>
    </message>
    <message>
        <source>9 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>9 Linhas</translation>
    </message>
    <message>
        <source>1 Credit</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Crédito</translation>
    </message>
    <message>
        <source>2 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>2 Créditos</translation>
    </message>
    <message>
        <source>3 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Créditos</translation>
    </message>
    <message>
        <source>5 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Créditos</translation>
    </message>
    <message>
        <source>10 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>10 Créditos</translation>
    </message>
</context>
<context>
    <name>CabinetPictures</name>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5 or taller.</source>
        <extracomment>%1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs</extracomment>
        <translation>Não é possível usar a imagem “%1”: ela tem %2 por %3 pixels, e o jogo precisa de %4 por %5 ou mais de altura.</translation>
    </message>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5.</source>
        <translation>Não é possível usar a imagem “%1”: ela tem %2 por %3 pixels, e o jogo precisa de %4 por %5.</translation>
    </message>
</context>
<context>
    <name>CabinetWindow</name>
    <message>
        <source>The game was not stored: %1</source>
        <extracomment>In the message strip; %1 is why the game file could not be written</extracomment>
        <translation>O jogo não foi guardado: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the game plays silently.</source>
        <translation>Nenhum dispositivo de som foi encontrado: o jogo continua em silêncio.</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <extracomment>The cabinet as a screen reader names it</extracomment>
        <translation>Gabinete</translation>
    </message>
    <message>
        <source>%1

The game was not stored. Quit without saving it?</source>
        <translation>%1

O jogo não foi guardado. Sair sem salvá-lo?</translation>
    </message>
    <message>
        <source>There is no game file to keep this game in. Quit without saving it?</source>
        <translation>Não há arquivo de jogo para guardar este jogo. Sair sem salvá-lo?</translation>
    </message>
    <message>
        <source>Stop &amp;Autoplay</source>
        <extracomment>Menu item: ends the autoplay run under way</extracomment>
        <translation>Parar &amp;giro automático</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>&amp;Giro automático…</translation>
    </message>
    <message>
        <source>Bonus game paid %1; game paid %2</source>
        <extracomment>Told to a screen reader once the bonus game is over</extracomment>
        <translation>Jogo bônus pagou %1; jogo pagou %2</translation>
    </message>
    <message>
        <source>&amp;More Lines</source>
        <extracomment>Menu item: plays one more payline</extracomment>
        <translation>Mais &amp;linhas</translation>
    </message>
    <message>
        <source>&amp;Fewer Lines</source>
        <extracomment>Menu item: plays one payline fewer</extracomment>
        <translation>Me&amp;nos linhas</translation>
    </message>
    <message>
        <source>More &amp;Credits per Line</source>
        <extracomment>Menu item: bets more credits on each payline</extracomment>
        <translation>Mais c&amp;réditos por linha</translation>
    </message>
    <message>
        <source>Fewer C&amp;redits per Line</source>
        <extracomment>Menu item: bets fewer credits on each payline</extracomment>
        <translation>Menos crédi&amp;tos por linha</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>Menu item: starts a new game</extracomment>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <extracomment>Menu item: opens a game kept in a slot</extracomment>
        <translation>&amp;Abrir jogo</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <extracomment>Menu item: keeps the game in a slot</extracomment>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Menu item, checked while sound effects play</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Menu item, checked while music plays</extracomment>
        <translation>Música</translation>
    </message>
    <message>
        <source>Volume…</source>
        <extracomment>Menu item: opens the volume window</extracomment>
        <translation>Volume…</translation>
    </message>
    <message>
        <source>&amp;Quick Play</source>
        <extracomment>Menu item, checked while the game plays quickly</extracomment>
        <translation>&amp;Jogo rápido</translation>
    </message>
    <message>
        <source>Re&amp;duce Motion</source>
        <extracomment>Menu item, checked while the reels and pay-outs move less</extracomment>
        <translation>Reduzir &amp;movimento</translation>
    </message>
    <message>
        <source>Line &amp;Patterns</source>
        <extracomment>Menu item, checked while each payline is drawn in a pattern of its own</extracomment>
        <translation>&amp;Padrões das linhas</translation>
    </message>
    <message>
        <source>High Co&amp;ntrast</source>
        <extracomment>Menu item, checked while the captions are drawn in high contrast</extracomment>
        <translation>Alto &amp;contraste</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <extracomment>Menu item: opens the window that chooses the interface&apos;s language</extracomment>
        <translation>&amp;Idioma…</translation>
    </message>
    <message>
        <source>Game &amp;History…</source>
        <extracomment>Menu item: opens the list of the last spins</extracomment>
        <translation>&amp;Histórico do jogo…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar item: borrows credits</extracomment>
        <translation>&amp;Empréstimo</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <extracomment>Menu bar item: shows the game&apos;s statistics</extracomment>
        <translation>E&amp;statísticas</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar item: shows the pay table</extracomment>
        <translation>&amp;Prêmios</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Menu item: shows the program&apos;s name and version</extracomment>
        <translation>Versão</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <extracomment>Menu item: opens the manual; %1 is the game&apos;s name</extracomment>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manual do %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</source>
        <extracomment>The Version box; %1 is the game&apos;s name, %2 its version. Keep the line breaks.</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Versão:  %2</translation>
    </message>
    <message>
        <source>Remember My &amp;Bet</source>
        <extracomment>Menu item, checked while the bet is kept for the next time the game starts</extracomment>
        <translation>Lembrar minha &amp;aposta</translation>
    </message>
    <message>
        <source>Play Rem&amp;inder…</source>
        <extracomment>Menu item: opens the window that sets how often the game tells the time and credits played</extracomment>
        <translation>Lembr&amp;ete de jogo…</translation>
    </message>
    <message>
        <source>The spin count has reached its limit; the statistics stop counting.</source>
        <translation>A contagem de giros chegou ao limite; as estatísticas param de contar.</translation>
    </message>
    <message>
        <source>The total bets have reached their limit; the statistics stop counting.</source>
        <translation>O total apostado chegou ao limite; as estatísticas param de contar.</translation>
    </message>
    <message>
        <source>The bonus total has reached its limit; the statistics stop counting.</source>
        <translation>O total de bônus chegou ao limite; as estatísticas param de contar.</translation>
    </message>
    <message>
        <source>Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.</source>
        <extracomment>In the message strip once, at the first start: the cabinet&apos;s keys. Keep it short</extracomment>
        <translation>Teclas: Enter gira, M aposta o máximo, as setas escolhem a aposta, F1 abre o manual.</translation>
    </message>
    <message>
        <source>Credits are at their limit; 1 credit of this win could not be paid.</source>
        <extracomment>In the message strip when the credits cannot take all of a win</extracomment>
        <translation>Os créditos estão no limite; 1 crédito deste prêmio não pôde ser pago.</translation>
    </message>
    <message>
        <source>Credits are at their limit; %1 credits of this win could not be paid.</source>
        <translation>Os créditos estão no limite; %1 créditos deste prêmio não puderam ser pagos.</translation>
    </message>
</context>
<context>
    <name>CardColours</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelha</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branca</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarela</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The colour of a bonus card the history does not know.</extracomment>
        <translation>Desconhecida</translation>
    </message>
</context>
<context>
    <name>ChartRows</name>
    <message>
        <source>%1 pays %2</source>
        <extracomment>A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay</extracomment>
        <translation>paga %2 por %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A pay table line as a screen reader reads it; %1 is the symbol, %2 its first pay</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The pay table line&apos;s next pay after a comma; %1 is the line so far, %2 the pay</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 pay %2</source>
        <extracomment>A scatter pay as a screen reader reads it; %1 is how many balls, %2 the multiple</extracomment>
        <translation>%1 bolas pagam %2</translation>
    </message>
    <message>
        <source>Scatter balls, times the total bet: %1</source>
        <extracomment>The scatter pays as a screen reader reads them; %1 is their list, &quot;5 pay 50, 4 pay 10&quot;</extracomment>
        <translation>Bolas scatter, vezes a aposta total: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: quillane [--help] [--version] [Qt options]
Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.
</source>
        <extracomment>The command line&apos;s help: how the program is started. Keep &quot;quillane&quot; and the options</extracomment>
        <translation>uso: quillane [--help] [--version] [opções do Qt]
Quillane, um caça-níquel de vídeo de cinco rolos e nove linhas com um jogo bônus de bingo de cartela cheia.
</translation>
    </message>
    <message>
        <source>  -h, --help   print this help and leave
  --version    print the version and leave
</source>
        <extracomment>The command line&apos;s help: the options, aligned in two columns. Keep the option names</extracomment>
        <translation>  -h, --help   mostra esta ajuda e sai
  --version    mostra a versão e sai
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform NAME or -style NAME, are also taken.
The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).
</source>
        <extracomment>The command line&apos;s help: where the game keeps its files. Keep the paths and names</extracomment>
        <translation>As opções do próprio Qt, como -platform NOME ou -style NOME, também são aceitas.
O jogo fica guardado em $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Imagens, sons e músicas seus vão em $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 no jogo abre o manual; veja também quillane(6).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the argument given</extracomment>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>a opção &apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>quillane: %1 (try --help)
</source>
        <extracomment>How a command line error is printed; %1 is the error. Keep &quot;quillane&quot; and &quot;--help&quot;</extracomment>
        <translation>quillane: %1 (tente --help)
</translation>
    </message>
    <message>
        <source>quillane: cannot write the output: %1
</source>
        <extracomment>Printed when the help or the version could not be written, to a full disc or a closed pipe; %1 is the system&apos;s reason. Keep &quot;quillane&quot;</extracomment>
        <translation>quillane: não foi possível escrever a saída: %1
</translation>
    </message>
</context>
<context>
    <name>CreditsPlot</name>
    <message>
        <source>No spins yet</source>
        <extracomment>Written small across the empty plot of the credits.</extracomment>
        <translation>Nenhum giro ainda</translation>
    </message>
</context>
<context>
    <name>GameProgram</name>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>An error box&apos;s text when something unforeseen went wrong</extracomment>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Quillane is already running.</source>
        <extracomment>Shown when the player starts the game a second time</extracomment>
        <translation>O Quillane já está aberto.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual &quot;%1&quot; could not be found.</source>
        <extracomment>%1 is the manual&apos;s file</extracomment>
        <translation>O manual “%1” não foi encontrado.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Reels: %1</source>
        <extracomment>Read by screen readers: a spin&apos;s symbols, row by row.</extracomment>
        <translation>Rolos: %1</translation>
    </message>
    <message>
        <source>Bet %1: 1 line at %2</source>
        <extracomment>A spin&apos;s bet: the credits bet, the paylines played and the credits on each line.</extracomment>
        <translation>Aposta %1: 1 linha a %2</translation>
    </message>
    <message>
        <source>Bet %1: %2 lines at %3</source>
        <translation>Aposta %1: %2 linhas a %3</translation>
    </message>
    <message>
        <source>Credits after: %1</source>
        <translation>Créditos depois: %1</translation>
    </message>
    <message>
        <source>Line %1: 1 symbol pays %2</source>
        <extracomment>A line win: the payline, how many symbols in a row and what they paid.</extracomment>
        <translation>Linha %1: 1 símbolo paga %2</translation>
    </message>
    <message>
        <source>Line %1: %2 symbols pay %3</source>
        <translation>Linha %1: %2 símbolos pagam %3</translation>
    </message>
    <message>
        <source>Scatter: 1 ball pay %1</source>
        <extracomment>A scatter win: how many BINGO balls showed and what they paid.</extracomment>
        <translation>Scatter: 1 bola paga %1</translation>
    </message>
    <message>
        <source>Scatter: %1 balls pay %2</source>
        <translation>Scatter: %1 bolas pagam %2</translation>
    </message>
    <message>
        <source>Balls: %1</source>
        <extracomment>BINGO balls that showed, too few to pay.</extracomment>
        <translation>Bolas: %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sem prêmio</translation>
    </message>
    <message>
        <source>Bonus game: %1 card, %2 calls</source>
        <extracomment>%1 is the colour of the card the player chose, %2 how many numbers were called.</extracomment>
        <translation>Jogo bônus: cartela %1, %2 bolas</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bingo pattern won and the credits it paid, &quot;Four Corners 20&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Patterns won: none</source>
        <extracomment>The list of patterns won, each with its pay, &quot;Four Corners 20, Big X 20&quot;.</extracomment>
        <translation>Padrões ganhos: nenhum</translation>
    </message>
    <message>
        <source>Patterns won: %1</source>
        <translation>Padrões ganhos: %1</translation>
    </message>
    <message>
        <source>Bonus paid: %1</source>
        <translation>Bônus pago: %1</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Histórico do jogo</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Nenhum giro ainda neste jogo.</translation>
    </message>
    <message>
        <source>The last spin of this game, newest first:</source>
        <translation>O último giro deste jogo:</translation>
    </message>
    <message>
        <source>The last %1 spins of this game, newest first:</source>
        <translation>Os últimos %1 giros deste jogo, os mais recentes primeiro:</translation>
    </message>
    <message>
        <source>The history is not being kept on disk. %1</source>
        <extracomment>%1 says why, as the game&apos;s storage reports it.</extracomment>
        <translation>O histórico não está sendo guardado no disco. %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Picture needs more than %1 MiB to decode</source>
        <extracomment>Why a picture cannot be read; %1 is a number of mebibytes</extracomment>
        <translation>A imagem precisa de mais de %1 MiB para ser decodificada</translation>
    </message>
    <message>
        <source>Picture has more than %1 scans</source>
        <extracomment>Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken</extracomment>
        <translation>A imagem tem mais de %1 varreduras</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>Imagens CMYK não são suportadas</translation>
    </message>
    <message>
        <source>Picture too large: %1 x %2 pixels, more than %3 a side or %4 in all</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits</extracomment>
        <translation>Imagem grande demais: %1 x %2 pixels, mais de %3 num lado ou %4 no total</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size in pixels</extracomment>
        <translation>Memória insuficiente para uma imagem de %1 x %2</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>A imagem está vazia</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be read</extracomment>
        <translation>Não é possível ler a imagem “%1”: %2</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Show Quillane in:</source>
        <translation>Mostrar o Quillane em:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <extracomment>The first choice of the language dialog; %1 is the desktop&apos;s language in its own words.</extracomment>
        <translation>O idioma do desktop (%1)</translation>
    </message>
</context>
<context>
    <name>PatternNames</name>
    <message>
        <source>Large Plus</source>
        <translation>Cruz Grande</translation>
    </message>
    <message>
        <source>Large X</source>
        <translation>X Grande</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Quatro Cantos</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <translation>Cantos Internos</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Losango Cheio</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <translation>Losango Pequeno</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <translation>Losango Grande</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>Small Frame</source>
        <translation>Moldura Pequena</translation>
    </message>
    <message>
        <source>Any Bingo</source>
        <translation>Qualquer Bingo</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <translation>Duas Linhas Puras</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Selo</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <translation>Bônus Cartela Cheia</translation>
    </message>
</context>
<context>
    <name>PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tabela de prêmios</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The payoff chart&apos;s button that closes it.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>All payoffs are based on coins
bet per line except scatter wins
which are based on total credits.
Lines pay from the left side only.
Scatters win in any position.
Wild symbols match any except
the BINGO balls.</source>
        <extracomment>The payoff chart&apos;s rules of play, in a narrow column of seven lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Os prêmios são por moeda apostada
na linha, exceto os scatters, que
se baseiam no total de créditos.
As linhas pagam só da esquerda.
Scatters ganham em qualquer posição.
O Wild substitui qualquer símbolo,
menos as bolas BINGO.</translation>
    </message>
    <message>
        <source>Collect a Scatter win by getting
three or more BINGO Balls on
the screen in any position.</source>
        <extracomment>Above the scatter pays on the payoff chart, in a narrow column of three lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Ganhe um prêmio scatter com
três ou mais bolas BINGO na
tela, em qualquer posição.</translation>
    </message>
    <message>
        <source>Scatter wins start bonus game.</source>
        <extracomment>Below the scatter pays on the payoff chart, one short line.</extracomment>
        <translation>Prêmios scatter abrem o jogo bônus.</translation>
    </message>
    <message>
        <source>The Bingo Bonus Game is played when you get three or more Bingo Balls on the screen during any slot spin.  When you get to the
Bonus Game, select any of the five bingo cards.  A game of blackout bingo is played until one or more of the cards wins the blackout game.
However, along the way, tweleve other bingo variations can be won.  The game pays four times your last slot bet (total credits bet) for each
bingo variation you win.  The blackout bingo game can pay more than the other bingo variations if it is won before 72 bingo balls are called.
The bonus can be as much as 50,000 times your last slot bet.  This bonus amount is reduced by 17.5% for every number called after the
first 24 numbers are called.  Cards are marked (&quot;dobbed&quot;) automatically by the game.  Sit back and enjoy.  And GOOD LUCK!</source>
        <extracomment>The bonus game&apos;s explanation across the payoff chart, six long lines: a &quot;
&quot; ends a line, and a line too long for the chart is broken between words.</extracomment>
        <translation>O Jogo Bônus de Bingo é jogado quando você tira três ou mais bolas de Bingo na tela em qualquer giro do caça-níquel.  Ao chegar ao
Jogo Bônus, escolha qualquer uma das cinco cartelas.  Uma partida de bingo de cartela cheia é jogada até que uma ou mais cartelas fiquem cheias.
Mas, no caminho, outras doze variações de bingo podem ser ganhas.  O jogo paga quatro vezes a sua última aposta (total de créditos apostados) por
cada variação de bingo que você ganhar.  A cartela cheia pode pagar mais que as outras variações se sair antes de 72 bolas sorteadas.
O bônus pode chegar a 50.000 vezes a sua última aposta no caça-níquel.  Esse valor diminui 17,5% a cada número sorteado depois dos
primeiros 24 números.  As cartelas são marcadas automaticamente pelo jogo.  Relaxe e divirta-se.  E BOA SORTE!</translation>
    </message>
    <message>
        <source>Blackout Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo Cartela Cheia</translation>
    </message>
    <message>
        <source>Any Way Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo em Qualquer Linha</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Selo</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Quatro Cantos</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Cantos Internos</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Duas Linhas Puras</translation>
    </message>
    <message>
        <source>Inside Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Losango Interno</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Losango Grande</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Losango Cheio</translation>
    </message>
    <message>
        <source>Big Plus Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo Cruz Grande</translation>
    </message>
    <message>
        <source>Big X Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo X Grande</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Moldura Interna</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>BINGO Jackpot - Get all five BINGO Balls on a Payline</source>
        <extracomment>The payoff chart&apos;s heading over the five BINGO balls, on one line.</extracomment>
        <translation>Jackpot BINGO - Tire as cinco bolas BINGO numa linha de pagamento</translation>
    </message>
    <message>
        <source>Pays %1 X Coins Per Line Bet</source>
        <extracomment>Under the five BINGO balls on the payoff chart, on one line.</extracomment>
        <translation>Paga %1 moedas por moeda apostada na linha</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Nenhuma aposta foi feita!</translation>
    </message>
    <message>
        <source>You have %1, but you tried to bet %2 credits.  You cannot bet more credits than you have.  Borrow some credits or place a smaller bet.</source>
        <translation>Você tem %1, mas tentou apostar %2 créditos.  Não é possível apostar mais créditos do que você tem.  Pegue créditos emprestados ou faça uma aposta menor.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Você não tem %1 créditos!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Você não pode pagar mais créditos do que pegou emprestado!</translation>
    </message>
    <message>
        <source>You cannot borrow %1 more credits: the credits and the borrowed credits cannot go past %2.</source>
        <translation>Você não pode pegar mais %1 créditos emprestados: os créditos e os créditos emprestados não podem passar de %2.</translation>
    </message>
    <message>
        <source>There is no game file to store the game in.</source>
        <translation>Não há arquivo de jogo para guardar o jogo.</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that sets the play reminder</extracomment>
        <translation>Lembrete de jogo</translation>
    </message>
    <message>
        <source>Remind me of the time played and the credits won or lost:</source>
        <translation>Lembrar-me do tempo de jogo e dos créditos ganhos ou perdidos:</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <extracomment>The play reminder switched off</extracomment>
        <translation>&amp;Nunca</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>A cada %1 minutos</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Lembrar-me com:</translation>
    </message>
    <message>
        <source>A &amp;notice over the meters</source>
        <translation>um &amp;aviso sobre os medidores</translation>
    </message>
    <message>
        <source>A &amp;window that pauses autoplay</source>
        <translation>uma &amp;janela que pausa o giro automático</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>You have played for %1 minute.</source>
        <translation>Você está jogando há %1 minuto.</translation>
    </message>
    <message>
        <source>You have played for %1 minutes.</source>
        <translation>Você está jogando há %1 minutos.</translation>
    </message>
    <message>
        <source>You are even.</source>
        <extracomment>The session has won as many credits as it has lost</extracomment>
        <translation>Você está no zero a zero.</translation>
    </message>
    <message>
        <source>You have won %1 credit.</source>
        <translation>Você ganhou %1 crédito.</translation>
    </message>
    <message>
        <source>You have won %1 credits.</source>
        <translation>Você ganhou %1 créditos.</translation>
    </message>
    <message>
        <source>You have lost %1 credit.</source>
        <translation>Você perdeu %1 crédito.</translation>
    </message>
    <message>
        <source>You have lost %1 credits.</source>
        <translation>Você perdeu %1 créditos.</translation>
    </message>
    <message>
        <source>Session %1</source>
        <extracomment>In the status bar: how long this session has lasted, as hours:minutes</extracomment>
        <translation>Sessão %1</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that reminds the player of the time and credits played</extracomment>
        <translation>Lembrete de jogo</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>Closes the play reminder; autoplay, if it runs, goes on</extracomment>
        <translation>&amp;Continuar jogando</translation>
    </message>
    <message>
        <source>&amp;Stop Autoplay</source>
        <translation>&amp;Parar giro automático</translation>
    </message>
</context>
<context>
    <name>ReturnText</name>
    <message>
        <source>1 line × 1 credit</source>
        <translation>1 linha × 1 crédito</translation>
    </message>
    <message>
        <source>1 line × %1 credits</source>
        <translation>1 linha × %1 créditos</translation>
    </message>
    <message>
        <source>%1 lines × 1 credit</source>
        <translation>%1 linhas × 1 crédito</translation>
    </message>
    <message>
        <source>%1 lines × %2 credits</source>
        <translation>%1 linhas × %2 créditos</translation>
    </message>
    <message>
        <source>not estimated</source>
        <extracomment>The bonus game&apos;s share of the return, when no simulation gives it for this bet.</extracomment>
        <translation>não estimado</translation>
    </message>
    <message>
        <source>≈ %1 ± %2</source>
        <extracomment>An estimated percentage and its standard error, &quot;≈ 65.90% ± 0.01%&quot;.</extracomment>
        <translation>≈ %1 ± %2</translation>
    </message>
    <message>
        <source>≈ %1</source>
        <extracomment>An approximate percentage, &quot;≈ 208.53%&quot;.</extracomment>
        <translation>≈ %1</translation>
    </message>
    <message>
        <source>%1 simulated games</source>
        <translation>%1 jogos simulados</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Retorno com %1: jogo base %2 (exato)</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact), bonus %3 (estimated from %4)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;, %3 an estimate, &quot;≈ 65.90% ± 0.01%&quot;, %4 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Retorno com %1: jogo base %2 (exato), bônus %3 (estimado com %4)</translation>
    </message>
</context>
<context>
    <name>SdlAudio</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be opened; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Não é possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot play file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be played; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Não é possível tocar o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot play music: no file name was given.</source>
        <translation>Não é possível tocar música: nenhum nome de arquivo foi dado.</translation>
    </message>
    <message>
        <source>It is not a Standard MIDI File.</source>
        <extracomment>Why a music file cannot be played</extracomment>
        <translation>Não é um arquivo Standard MIDI.</translation>
    </message>
    <message>
        <source>Cannot open the audio device. %1</source>
        <extracomment>%1 is the sound system&apos;s reason, in English</extracomment>
        <translation>Não é possível abrir o dispositivo de áudio. %1</translation>
    </message>
</context>
<context>
    <name>SlotDialog</name>
    <message>
        <source>MM/dd/yy</source>
        <extracomment>The Qt date format of a save slot&apos;s date (MM month, dd day, yy year), e.g. &quot;dd.MM.yy&quot;.</extracomment>
        <translation>dd/MM/yy</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <extracomment>Read by screen readers: the box that holds a saved game&apos;s name.</extracomment>
        <translation>Nome do espaço %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A slot&apos;s own button, which saves or opens the game in it: keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save in slot %1</source>
        <translation>Salvar no espaço %1</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Abrir o espaço %1</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Salvar um jogo -- Escolha o espaço</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir um jogo -- Escolha o espaço</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits, &quot;1000 Credits&quot;.</extracomment>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s borrowed credits, &quot;0 Borrowed&quot;.</extracomment>
        <translation>%1 emprestados</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nome deste jogo salvo?</translation>
    </message>
</context>
<context>
    <name>SpokenResults</name>
    <message>
        <source>no %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>zero %1</translation>
    </message>
    <message>
        <source>one %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>um símbolo %1</translation>
    </message>
    <message>
        <source>two %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>par de %1</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>três %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>quatro %1</translation>
    </message>
    <message>
        <source>five %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>cinco %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the count, %2 the symbol&apos;s name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Line %1: %2 pays %3</source>
        <extracomment>A screen reader&apos;s report of a paid line; %1 is the payline, %2 what it shows (&quot;three Elephants&quot;), %3 what it pays</extracomment>
        <translation>Linha %1 paga %3 por %2</translation>
    </message>
    <message>
        <source>%1 balls pay %2 and win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 bolas pagam %2 e ganham o jogo bônus</translation>
    </message>
    <message>
        <source>%1 balls pay %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 bolas pagam %2</translation>
    </message>
    <message>
        <source>%1 balls win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls</extracomment>
        <translation>%1 bolas ganham o jogo bônus</translation>
    </message>
    <message>
        <source>game paid %1</source>
        <translation>jogo pagou %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sem prêmio</translation>
    </message>
    <message>
        <source>Call %1: %2 %3</source>
        <extracomment>A screen reader&apos;s report of a bonus call; %1 is the call&apos;s number, %2 %3 the ball (&quot;B 7&quot;)</extracomment>
        <translation>Bola %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 on your card pays %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the pattern, %2 what it pays</extracomment>
        <translation>%1 na sua cartela paga %2</translation>
    </message>
    <message>
        <source>%1 on card %2 pays %3</source>
        <translation>%1 na cartela %2 paga %3</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Estatísticas do seu jogo</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Giros:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Emprestado:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Total apostado:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Prêmios:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bônus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Percentual geral de prêmios:</translation>
    </message>
    <message>
        <source>Credits over the Last Spins:</source>
        <translation>Créditos nos últimos giros:</translation>
    </message>
    <message>
        <source>Credits after the Last Spin:</source>
        <translation>Créditos depois do último giro:</translation>
    </message>
    <message>
        <source>Credits over the Last %1 Spins:</source>
        <translation>Créditos nos últimos %1 giros:</translation>
    </message>
    <message>
        <source>Theoretical Payoff Percentage:</source>
        <translation>Percentual teórico de prêmios:</translation>
    </message>
    <message>
        <source>Base Game (exact):</source>
        <translation>Jogo base (exato):</translation>
    </message>
    <message>
        <source>Bonus (estimated):</source>
        <translation>Bônus (estimado):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is estimated from %2, ± one standard error.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;; %2 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Com %1, ao longo de muitos giros. A parte do jogo base sai exatamente das regras; a do jogo bônus é estimada com %2, ± um erro padrão.</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is not estimated for this bet.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Com %1, ao longo de muitos giros. A parte do jogo base sai exatamente das regras; a do jogo bônus não é estimada para esta aposta.</translation>
    </message>
    <message>
        <source>%1 (limit)</source>
        <extracomment>A statistics counter that has stopped at its largest value; %1 is the value</extracomment>
        <translation>%1 (limite)</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>%1 in [%2]</source>
        <extracomment>A value of the game file that cannot be read: %1 is its line, as &quot;Credits=abc&quot;, %2 its section; keep the brackets.</extracomment>
        <translation>%1 em [%2]</translation>
    </message>
    <message>
        <source>The game file %1 is not a regular file and was not read.</source>
        <translation>O arquivo de jogo %1 não é um arquivo comum e não foi lido.</translation>
    </message>
    <message>
        <source>The game file %1 is larger than %2 MiB and was not read.</source>
        <translation>O arquivo de jogo %1 tem mais de %2 MiB e não foi lido.</translation>
    </message>
    <message>
        <source>The game file %1 cannot be read: %2.</source>
        <translation>O arquivo de jogo %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>O arquivo de histórico %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>There is no data directory to keep it in.</source>
        <translation>Não há diretório de dados para guardá-lo.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2.</source>
        <translation>O arquivo de histórico %1 não pode ser gravado: %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A list and one item more.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, ...</source>
        <extracomment>The end of a list that goes on: %1 is the list.</extracomment>
        <translation>%1, ...</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. A copy of the file as it was at an earlier start is kept in %3.</source>
        <translation>Alguns valores do arquivo de jogo %1 não podem ser lidos (%2) e valem como os de um jogo novo. Uma cópia do arquivo como estava num início anterior fica guardada em %3.</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. The file as it was is kept in %3.</source>
        <translation>Alguns valores do arquivo de jogo %1 não podem ser lidos (%2) e valem como os de um jogo novo. O arquivo como estava fica guardado em %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2. The game goes on, but it cannot be kept.</source>
        <translation>A pasta %1 não permite gravação: %2. O jogo continua, mas não pode ser guardado.</translation>
    </message>
    <message>
        <source>No home directory to keep the game file in</source>
        <translation>Não há diretório pessoal para guardar o arquivo de jogo</translation>
    </message>
    <message>
        <source>Unable to write to %1
%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason on a line of its own; keep the line break.</extracomment>
        <translation>Não foi possível gravar em %1
%2</translation>
    </message>
    <message>
        <source>It is a directory</source>
        <extracomment>Why a file cannot be read: the name is a folder&apos;s.</extracomment>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Why a file cannot be read: the name is a device&apos;s, a pipe&apos;s or a socket&apos;s.</extracomment>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <extracomment>Why a file cannot be read; %1 is a number of mebibytes.</extracomment>
        <translation>Tem mais de %1 MiB</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>B ball</source>
        <translation>bola B</translation>
    </message>
    <message>
        <source>I ball</source>
        <translation>bola I</translation>
    </message>
    <message>
        <source>N ball</source>
        <translation>bola N</translation>
    </message>
    <message>
        <source>G ball</source>
        <translation>bola G</translation>
    </message>
    <message>
        <source>O ball</source>
        <translation>bola O</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartela</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Bilhetes</translation>
    </message>
    <message>
        <source>Cage</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Doll</source>
        <translation>Boneca</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Daubers</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Saco</translation>
    </message>
    <message>
        <source>Wilds</source>
        <translation>Wilds</translation>
    </message>
    <message>
        <source>B balls</source>
        <translation>bolas B</translation>
    </message>
    <message>
        <source>I balls</source>
        <translation>bolas I</translation>
    </message>
    <message>
        <source>N balls</source>
        <translation>bolas N</translation>
    </message>
    <message>
        <source>G balls</source>
        <translation>bolas G</translation>
    </message>
    <message>
        <source>O balls</source>
        <translation>bolas O</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartelas</translation>
    </message>
    <message>
        <source>Cages</source>
        <translation>Globos</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Ases</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Reis</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damas</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Valetes</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dezes</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Bonecas</translation>
    </message>
    <message>
        <source>Elephants</source>
        <translation>Elefantes</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>Sacos</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <extracomment>The title of the window with the sound effects&apos; and the music&apos;s sliders.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sound &amp;effects:</source>
        <translation>&amp;Efeitos sonoros:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Música:</translation>
    </message>
</context>
</TS>
