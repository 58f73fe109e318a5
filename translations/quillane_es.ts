<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AudioModule</name>
    <message>
        <source>The game&apos;s sound module cannot be loaded. %1</source>
        <extracomment>%1 is the system&apos;s reason, in English, or empty</extracomment>
        <translation>No se puede cargar el módulo de sonido del juego. %1</translation>
    </message>
</context>
<context>
    <name>AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <extracomment>The autoplay window&apos;s title.</extracomment>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Spins to play at the current bet:</source>
        <translation>Giros con la apuesta actual:</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Detener:</translation>
    </message>
    <message>
        <source>When a &amp;bonus game starts</source>
        <translation>Al empezar un juego &amp;bonus</translation>
    </message>
    <message>
        <source>When a single &amp;win is at least</source>
        <translation>Si un &amp;premio llega a</translation>
    </message>
    <message>
        <source>When the &amp;credits fall below</source>
        <translation>Si los &amp;créditos bajan de</translation>
    </message>
    <message>
        <source>Autoplay also stops when the bet can no longer be placed; it never borrows. Any key or click stops it.</source>
        <translation>El juego automático también se detiene cuando ya no se puede hacer la apuesta; nunca pide préstamos. Cualquier tecla o clic lo detiene.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>In bonus &amp;games:</source>
        <translation>En los &amp;juegos bonus:</translation>
    </message>
    <message>
        <source>let me choose</source>
        <extracomment>In the autoplay window: autoplay waits for the player to choose the bonus game&apos;s card</extracomment>
        <translation>dejarme elegir</translation>
    </message>
    <message>
        <source>my last card</source>
        <extracomment>In the autoplay window: autoplay plays the card the player chose by hand the last time</extracomment>
        <translation>mi último cartón</translation>
    </message>
    <message>
        <source>a random card</source>
        <extracomment>In the autoplay window: autoplay plays one of the five cards, drawn at random</extracomment>
        <translation>un cartón al azar</translation>
    </message>
    <message>
        <source>When the run has &amp;lost at least</source>
        <translation>Si la tanda ha per&amp;dido al menos</translation>
    </message>
    <message>
        <source>When the run has w&amp;on at least</source>
        <translation>Si la tanda ha &amp;ganado al menos</translation>
    </message>
    <message>
        <source>The choice for bonus games applies when autoplay does not stop for them. What the run has won or lost counts from its start, bonus wins included and borrowing left aside.</source>
        <translation>La elección para los juegos bonus vale cuando el juego automático no se detiene por ellos. Lo que la tanda ha ganado o perdido cuenta desde su inicio, con los premios bonus y sin los préstamos.</translation>
    </message>
</context>
<context>
    <name>AutoplayText</name>
    <message>
        <source>Autoplay: 1 spin left</source>
        <extracomment>In the message strip while autoplay runs; keep it short.</extracomment>
        <translation>Automático: queda 1 giro</translation>
    </message>
    <message>
        <source>Autoplay: %1 spins left</source>
        <extracomment>In the message strip while autoplay runs, %1 spins; keep it short.</extracomment>
        <translation>Automático: quedan %1 giros</translation>
    </message>
    <message>
        <source>Autoplay finished</source>
        <translation>Juego automático terminado</translation>
    </message>
    <message>
        <source>Autoplay stopped for the bonus game</source>
        <translation>Juego automático detenido por el bonus</translation>
    </message>
    <message>
        <source>Autoplay stopped on a big win</source>
        <translation>Juego automático detenido por un premio grande</translation>
    </message>
    <message>
        <source>Autoplay stopped: credits low</source>
        <translation>Juego automático detenido: pocos créditos</translation>
    </message>
    <message>
        <source>Autoplay stopped: the bet cannot be placed</source>
        <translation>Juego automático detenido: no se puede hacer la apuesta</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Juego automático detenido</translation>
    </message>
    <message>
        <source>Autoplay stopped: loss limit reached</source>
        <extracomment>In the message strip: the autoplay run lost as much as the player allowed</extracomment>
        <translation>Juego automático detenido: límite de pérdida alcanzado</translation>
    </message>
    <message>
        <source>Autoplay stopped: win limit reached</source>
        <extracomment>In the message strip: the autoplay run won as much as the player asked for</extracomment>
        <translation>Juego automático detenido: límite de ganancia alcanzado</translation>
    </message>
</context>
<context>
    <name>BonusGameWindow</name>
    <message>
        <source>Bingo Bonus Game</source>
        <extracomment>The bonus game window&apos;s title</extracomment>
        <translation>Bonus de bingo</translation>
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
cantados</translation>
    </message>
    <message>
        <source>You chose card %1</source>
        <extracomment>Told to a screen reader; %1 is the card&apos;s number, 1 to 5</extracomment>
        <translation>Has elegido el cartón %1</translation>
    </message>
    <message>
        <source>Click Monitor for Normal Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls at normal pace</extracomment>
        <translation>Clic en el monitor: juego normal</translation>
    </message>
    <message>
        <source>Click Monitor for Quick Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls the balls quickly</extracomment>
        <translation>Clic en el monitor: juego rápido</translation>
    </message>
    <message>
        <source>; the bonus game pays %1</source>
        <extracomment>Told to a screen reader after the call that ended the bonus game; %1 is what the game paid. Follows the call&apos;s report after a semicolon</extracomment>
        <translation>; el juego bonus paga %1</translation>
    </message>
    <message>
        <source>Your Card</source>
        <extracomment>Bonus game caption over the card the player chose: keep it short</extracomment>
        <translation>Tu cartón</translation>
    </message>
    <message>
        <source>Select Your Card</source>
        <extracomment>Bonus game caption, flashing until the player picks a card: keep it short</extracomment>
        <translation>Elige tu cartón</translation>
    </message>
    <message>
        <source>Numbers Called</source>
        <extracomment>Bonus game caption over the count of balls called</extracomment>
        <translation>Números cantados</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <extracomment>Bonus game caption beside the blackout jackpot: keep it short</extracomment>
        <translation>Bonus cartón lleno</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, 1 to 5</extracomment>
        <translation>Cartón %1</translation>
    </message>
    <message>
        <source>Card %1, your card: %2</source>
        <extracomment>The player&apos;s bonus card as a screen reader names it; %1 its number, %2 its score</extracomment>
        <translation>Cartón %1, tu cartón: %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, %2 its score</extracomment>
        <translation>Cartón %1: %2</translation>
    </message>
    <message>
        <source>Monitor: quick play</source>
        <extracomment>The bonus game&apos;s monitor as a screen reader names it; checked while quick play is on</extracomment>
        <translation>Monitor: juego rápido</translation>
    </message>
    <message>
        <source>Call board: no call yet</source>
        <extracomment>The bonus game&apos;s board of called balls, before any call</extracomment>
        <translation>Tablero: aún no hay bolas cantadas</translation>
    </message>
    <message>
        <source>Call board: call %1, %2</source>
        <translation>Tablero: bola %1, %2</translation>
    </message>
    <message>
        <source>Calls made: %1</source>
        <extracomment>%1 is the number of balls called so far</extracomment>
        <translation>Bolas cantadas: %1</translation>
    </message>
    <message>
        <source>Blackout bonus now: %1</source>
        <extracomment>%1 is the blackout jackpot as it stands, in credits</extracomment>
        <translation>Bonus cartón lleno ahora: %1</translation>
    </message>
    <message>
        <source>%1: won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: ganada</translation>
    </message>
    <message>
        <source>%1: not won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: no ganada</translation>
    </message>
</context>
<context>
    <name>BorrowWindow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Usa este formulario para pedir o devolver créditos</translation>
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
        <translation>Pedir créditos</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Devolver créditos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The borrow window&apos;s Help: &quot;borrow&quot; and &quot;pay back&quot; are its two modes, Borrow Credits and Pay Back Credits.</extracomment>
        <translation>Usa esta pantalla para pedir créditos prestados o devolver los que pediste antes. Pulsa el botón de la cantidad que quieras pedir (o devolver).<byte value="xd"/>
<byte value="xd"/>
Para cambiar entre “pedir” y “devolver”, elige el modo.</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Caption over the meter of the credits borrowed.</extracomment>
        <translation>Prestado:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Caption over the meter of the player&apos;s credits.</extracomment>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed: %1. Credits: %2.</source>
        <translation>Prestado: %1. Créditos: %2.</translation>
    </message>
</context>
<context>
    <name>CabinetElements</name>
    <message>
        <source>%1 — spins at once</source>
        <extracomment>A credits key as a screen reader names it; %1 is its caption (&quot;2 Credits&quot;)</extracomment>
        <translation>%1 — gira al instante</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A meter as a screen reader names it; %1 is its caption (&quot;Credits&quot;), %2 its figure</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reel</source>
        <extracomment>A reel window&apos;s column as a screen reader names it</extracomment>
        <translation>Rodillo</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>A reel window&apos;s row as a screen reader names it</extracomment>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>The reel window as a screen reader names it</extracomment>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Turning</source>
        <extracomment>A reel cell&apos;s name while the reels turn</extracomment>
        <translation>Girando</translation>
    </message>
    <message>
        <source>Payline %1: played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Línea de pago %1: jugada</translation>
    </message>
    <message>
        <source>Payline %1: not played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Línea de pago %1: no jugada</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The Spin button as a screen reader names it</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The Bet Max button as a screen reader names it</extracomment>
        <translation>Apuesta máxima</translation>
    </message>
    <message>
        <source>Insert Coins — borrow credits</source>
        <extracomment>The coin slot as a screen reader names it</extracomment>
        <translation>Insertar monedas — pedir créditos</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Winnings</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Ganancias</translation>
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
        <translation>%1 — juega 1 línea desde el próximo giro. No gira; las flechas Izquierda y Derecha también eligen las líneas.</translation>
    </message>
    <message>
        <source>%1 — plays %2 paylines from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;5 Paylines&quot;), %2 the lines</extracomment>
        <translation>%1 — juega %2 líneas desde el próximo giro. No gira; las flechas Izquierda y Derecha también eligen las líneas.</translation>
    </message>
    <message>
        <source>%1 — spins now with 1 credit per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;1 Credit&quot;)</extracomment>
        <translation>%1 — gira ya con 1 crédito por línea. Para elegir los créditos sin girar, usa las flechas Arriba y Abajo.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;2 Credits&quot;), %2 the credits</extracomment>
        <translation>%1 — gira ya con %2 créditos por línea. Para elegir los créditos sin girar, usa las flechas Arriba y Abajo.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits on each of %3 lines, %4 credits in all, when you have that many. Key: M.</source>
        <extracomment>The Bet Max button&apos;s tooltip; %1 is its name, %2 the credits per line, %3 the lines, %4 the whole bet</extracomment>
        <translation>%1 — gira ya con %2 créditos en cada una de las %3 líneas, %4 créditos en total, si los tienes. Tecla: M.</translation>
    </message>
    <message>
        <source>%1 — spins with the bet the keys show. Keys: Enter or Space.</source>
        <extracomment>The Spin button&apos;s tooltip; %1 is its name</extracomment>
        <translation>%1 — gira con la apuesta que muestran las teclas. Teclas: Intro o Espacio.</translation>
    </message>
    <message>
        <source>%1 — a click here does nothing: borrow credits from the Borrow menu, or press Tab until the slot is ringed, then Enter.</source>
        <extracomment>The coin slot&apos;s tooltip; %1 is its caption</extracomment>
        <translation>%1 — un clic aquí no hace nada: pide créditos en el menú Préstamo, o pulsa Tab hasta que la ranura quede marcada y luego Intro.</translation>
    </message>
</context>
<context>
    <name>CabinetPainter</name>
    <message>
        <source>ENTER = SPIN  M = MAX</source>
        <extracomment>The keys&apos; hint beneath the bet keys, painted in a small box: keep it short</extracomment>
        <translation>ENTER = GIRAR  M = MÁX.</translation>
    </message>
    <message>
        <source>Oops, I did it again! (%1)</source>
        <translation>¡Vaya, otra vez! (%1)</translation>
    </message>
    <message>
        <source> Coins: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the coins bet; keep it short</extracomment>
        <translation> Monedas: </translation>
    </message>
    <message>
        <source> Winnings: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the last spin&apos;s winnings; keep it short</extracomment>
        <translation> Ganancias: </translation>
    </message>
    <message>
        <source> Credits: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the player&apos;s credits; keep it short</extracomment>
        <translation> Créditos: </translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Painted on the coin slot&apos;s small red window, over &quot;Coins&quot;: keep it very short</extracomment>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Painted on the coin slot&apos;s plate, under &quot;Insert&quot;: keep it very short</extracomment>
        <translation>monedas</translation>
    </message>
    <message>
        <source>Bonus Game Paid %1</source>
        <translation>Premio del bonus %1</translation>
    </message>
    <message>
        <source>Play the Bonus Game</source>
        <extracomment>In the message strip when the spin won the bonus game</extracomment>
        <translation>¡Juega el bonus!</translation>
    </message>
    <message>
        <source>Scatter paid %1</source>
        <extracomment>In the message strip; %1 is what the scatter balls paid</extracomment>
        <translation>Premio scatter %1</translation>
    </message>
    <message>
        <source>Line paid %1</source>
        <extracomment>In the message strip, in the payline&apos;s colour; %1 is what the line paid</extracomment>
        <translation>Premio de línea %1</translation>
    </message>
    <message>
        <source>Game paid %1</source>
        <extracomment>In the message strip; %1 is what the whole spin paid</extracomment>
        <translation>Premio total %1</translation>
    </message>
    <message>
        <source>1 Payline</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 línea</translation>
    </message>
    <message>
        <source>3 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 líneas</translation>
    </message>
    <message>
        <source>5 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 líneas</translation>
    </message>
    <message>
        <source>7 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>7 líneas</translation>
    </message>
    <message>
        <source>9 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>9 líneas</translation>
    </message>
    <message>
        <source>1 Credit</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 crédito</translation>
    </message>
    <message>
        <source>2 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>2 créditos</translation>
    </message>
    <message>
        <source>3 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 créditos</translation>
    </message>
    <message>
        <source>5 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 créditos</translation>
    </message>
    <message>
        <source>10 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>10 créditos</translation>
    </message>
</context>
<context>
    <name>CabinetPictures</name>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5 or taller.</source>
        <extracomment>%1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs</extracomment>
        <translation>No se puede usar la imagen “%1”: mide %2 por %3 píxeles, y el juego necesita %4 por %5 o más de alto.</translation>
    </message>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5.</source>
        <translation>No se puede usar la imagen “%1”: mide %2 por %3 píxeles, y el juego necesita %4 por %5.</translation>
    </message>
</context>
<context>
    <name>CabinetWindow</name>
    <message>
        <source>The game was not stored: %1</source>
        <extracomment>In the message strip; %1 is why the game file could not be written</extracomment>
        <translation>No se ha guardado la partida: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the game plays silently.</source>
        <translation>No se ha encontrado ningún dispositivo de sonido: el juego sigue en silencio.</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <extracomment>The cabinet as a screen reader names it</extracomment>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>%1

The game was not stored. Quit without saving it?</source>
        <translation>%1

No se ha guardado la partida. ¿Salir sin guardarla?</translation>
    </message>
    <message>
        <source>There is no game file to keep this game in. Quit without saving it?</source>
        <translation>No hay ningún archivo de partida donde guardar esta partida. ¿Salir sin guardarla?</translation>
    </message>
    <message>
        <source>Stop &amp;Autoplay</source>
        <extracomment>Menu item: ends the autoplay run under way</extracomment>
        <translation>Detener juego &amp;automático</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>Juego &amp;automático…</translation>
    </message>
    <message>
        <source>Bonus game paid %1; game paid %2</source>
        <extracomment>Told to a screen reader once the bonus game is over</extracomment>
        <translation>Premio del bonus %1; premio total %2</translation>
    </message>
    <message>
        <source>&amp;More Lines</source>
        <extracomment>Menu item: plays one more payline</extracomment>
        <translation>&amp;Más líneas</translation>
    </message>
    <message>
        <source>&amp;Fewer Lines</source>
        <extracomment>Menu item: plays one payline fewer</extracomment>
        <translation>M&amp;enos líneas</translation>
    </message>
    <message>
        <source>More &amp;Credits per Line</source>
        <extracomment>Menu item: bets more credits on each payline</extracomment>
        <translation>Más &amp;créditos por línea</translation>
    </message>
    <message>
        <source>Fewer C&amp;redits per Line</source>
        <extracomment>Menu item: bets fewer credits on each payline</extracomment>
        <translation>Menos c&amp;réditos por línea</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>Menu item: starts a new game</extracomment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <extracomment>Menu item: opens a game kept in a slot</extracomment>
        <translation>&amp;Abrir partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <extracomment>Menu item: keeps the game in a slot</extracomment>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Menu item, checked while sound effects play</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Menu item, checked while music plays</extracomment>
        <translation>Música</translation>
    </message>
    <message>
        <source>Volume…</source>
        <extracomment>Menu item: opens the volume window</extracomment>
        <translation>Volumen…</translation>
    </message>
    <message>
        <source>&amp;Quick Play</source>
        <extracomment>Menu item, checked while the game plays quickly</extracomment>
        <translation>&amp;Juego rápido</translation>
    </message>
    <message>
        <source>Re&amp;duce Motion</source>
        <extracomment>Menu item, checked while the reels and pay-outs move less</extracomment>
        <translation>Re&amp;ducir movimiento</translation>
    </message>
    <message>
        <source>Line &amp;Patterns</source>
        <extracomment>Menu item, checked while each payline is drawn in a pattern of its own</extracomment>
        <translation>&amp;Trazos de línea</translation>
    </message>
    <message>
        <source>High Co&amp;ntrast</source>
        <extracomment>Menu item, checked while the captions are drawn in high contrast</extracomment>
        <translation>Alto co&amp;ntraste</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <extracomment>Menu item: opens the window that chooses the interface&apos;s language</extracomment>
        <translation>&amp;Idioma…</translation>
    </message>
    <message>
        <source>Game &amp;History…</source>
        <extracomment>Menu item: opens the list of the last spins</extracomment>
        <translation>&amp;Historial de juego…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar item: borrows credits</extracomment>
        <translation>&amp;Préstamo</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <extracomment>Menu bar item: shows the game&apos;s statistics</extracomment>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar item: shows the pay table</extracomment>
        <translation>Pa&amp;gos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Menu item: shows the program&apos;s name and version</extracomment>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <extracomment>Menu item: opens the manual; %1 is the game&apos;s name</extracomment>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manual de %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</source>
        <extracomment>The Version box; %1 is the game&apos;s name, %2 its version. Keep the line breaks.</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Versión:  %2</translation>
    </message>
    <message>
        <source>Remember My &amp;Bet</source>
        <extracomment>Menu item, checked while the bet is kept for the next time the game starts</extracomment>
        <translation>Recordar mi a&amp;puesta</translation>
    </message>
    <message>
        <source>Play Rem&amp;inder…</source>
        <extracomment>Menu item: opens the window that sets how often the game tells the time and credits played</extracomment>
        <translation>Rec&amp;ordatorio de juego…</translation>
    </message>
    <message>
        <source>The spin count has reached its limit; the statistics stop counting.</source>
        <translation>El número de giros ha llegado a su límite; las estadísticas dejan de contar.</translation>
    </message>
    <message>
        <source>The total bets have reached their limit; the statistics stop counting.</source>
        <translation>El total apostado ha llegado a su límite; las estadísticas dejan de contar.</translation>
    </message>
    <message>
        <source>The bonus total has reached its limit; the statistics stop counting.</source>
        <translation>El total de bonus ha llegado a su límite; las estadísticas dejan de contar.</translation>
    </message>
    <message>
        <source>Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.</source>
        <extracomment>In the message strip once, at the first start: the cabinet&apos;s keys. Keep it short</extracomment>
        <translation>Teclas: Intro gira, M apuesta el máximo, las flechas eligen la apuesta, F1 abre el manual.</translation>
    </message>
    <message>
        <source>Credits are at their limit; 1 credit of this win could not be paid.</source>
        <extracomment>In the message strip when the credits cannot take all of a win</extracomment>
        <translation>Los créditos están en su límite; no se ha podido pagar 1 crédito de este premio.</translation>
    </message>
    <message>
        <source>Credits are at their limit; %1 credits of this win could not be paid.</source>
        <translation>Los créditos están en su límite; no se han podido pagar %1 créditos de este premio.</translation>
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
        <translation>Rojo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The colour of a bonus card the history does not know.</extracomment>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>ChartRows</name>
    <message>
        <source>%1 pays %2</source>
        <extracomment>A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay</extracomment>
        <translation>%2 con %1</translation>
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
        <translation>%2 con %1</translation>
    </message>
    <message>
        <source>Scatter balls, times the total bet: %1</source>
        <extracomment>The scatter pays as a screen reader reads them; %1 is their list, &quot;5 pay 50, 4 pay 10&quot;</extracomment>
        <translation>Bolas BINGO (scatter), veces la apuesta total: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: quillane [--help] [--version] [Qt options]
Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.
</source>
        <extracomment>The command line&apos;s help: how the program is started. Keep &quot;quillane&quot; and the options</extracomment>
        <translation>uso: quillane [--help] [--version] [opciones de Qt]
Quillane, una tragaperras de vídeo de cinco rodillos y nueve líneas con un juego bonus de bingo a cartón lleno.
</translation>
    </message>
    <message>
        <source>  -h, --help   print this help and leave
  --version    print the version and leave
</source>
        <extracomment>The command line&apos;s help: the options, aligned in two columns. Keep the option names</extracomment>
        <translation>  -h, --help   muestra esta ayuda y sale
  --version    muestra la versión y sale
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform NAME or -style NAME, are also taken.
The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).
</source>
        <extracomment>The command line&apos;s help: where the game keeps its files. Keep the paths and names</extracomment>
        <translation>También se aceptan las opciones propias de Qt, como -platform NOMBRE o -style NOMBRE.
La partida se guarda en $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Tus propias imágenes, sonidos y música van en $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 en el juego abre el manual; consulta también quillane(6).
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
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>quillane: %1 (try --help)
</source>
        <extracomment>How a command line error is printed; %1 is the error. Keep &quot;quillane&quot; and &quot;--help&quot;</extracomment>
        <translation>quillane: %1 (prueba --help)
</translation>
    </message>
    <message>
        <source>quillane: cannot write the output: %1
</source>
        <extracomment>Printed when the help or the version could not be written, to a full disc or a closed pipe; %1 is the system&apos;s reason. Keep &quot;quillane&quot;</extracomment>
        <translation>quillane: no se puede escribir la salida: %1
</translation>
    </message>
</context>
<context>
    <name>CreditsPlot</name>
    <message>
        <source>No spins yet</source>
        <extracomment>Written small across the empty plot of the credits.</extracomment>
        <translation>Aún no hay giros</translation>
    </message>
</context>
<context>
    <name>GameProgram</name>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>An error box&apos;s text when something unforeseen went wrong</extracomment>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Quillane is already running.</source>
        <extracomment>Shown when the player starts the game a second time</extracomment>
        <translation>Quillane ya está en marcha.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual &quot;%1&quot; could not be found.</source>
        <extracomment>%1 is the manual&apos;s file</extracomment>
        <translation>No se ha encontrado el manual “%1”.</translation>
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
        <translation>Rodillos: %1</translation>
    </message>
    <message>
        <source>Bet %1: 1 line at %2</source>
        <extracomment>A spin&apos;s bet: the credits bet, the paylines played and the credits on each line.</extracomment>
        <translation>Apuesta %1: 1 línea a %2</translation>
    </message>
    <message>
        <source>Bet %1: %2 lines at %3</source>
        <translation>Apuesta %1: %2 líneas a %3</translation>
    </message>
    <message>
        <source>Credits after: %1</source>
        <translation>Créditos después: %1</translation>
    </message>
    <message>
        <source>Line %1: 1 symbol pays %2</source>
        <extracomment>A line win: the payline, how many symbols in a row and what they paid.</extracomment>
        <translation>Línea %1: 1 símbolo paga %2</translation>
    </message>
    <message>
        <source>Line %1: %2 symbols pay %3</source>
        <translation>Línea %1: %2 símbolos pagan %3</translation>
    </message>
    <message>
        <source>Scatter: 1 ball pay %1</source>
        <extracomment>A scatter win: how many BINGO balls showed and what they paid.</extracomment>
        <translation>Scatter: 1 bola paga %1</translation>
    </message>
    <message>
        <source>Scatter: %1 balls pay %2</source>
        <translation>Scatter: %1 bolas pagan %2</translation>
    </message>
    <message>
        <source>Balls: %1</source>
        <extracomment>BINGO balls that showed, too few to pay.</extracomment>
        <translation>Bolas: %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Bonus game: %1 card, %2 calls</source>
        <extracomment>%1 is the colour of the card the player chose, %2 how many numbers were called.</extracomment>
        <translation>Juego bonus: cartón %1, %2 bolas</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bingo pattern won and the credits it paid, &quot;Four Corners 20&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Patterns won: none</source>
        <extracomment>The list of patterns won, each with its pay, &quot;Four Corners 20, Big X 20&quot;.</extracomment>
        <translation>Figuras ganadas: ninguna</translation>
    </message>
    <message>
        <source>Patterns won: %1</source>
        <translation>Figuras ganadas: %1</translation>
    </message>
    <message>
        <source>Bonus paid: %1</source>
        <translation>Bonus pagado: %1</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historial de juego</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aún no hay giros en esta partida.</translation>
    </message>
    <message>
        <source>The last spin of this game, newest first:</source>
        <translation>El último giro de esta partida:</translation>
    </message>
    <message>
        <source>The last %1 spins of this game, newest first:</source>
        <translation>Los últimos %1 giros de esta partida, del más reciente al más antiguo:</translation>
    </message>
    <message>
        <source>The history is not being kept on disk. %1</source>
        <extracomment>%1 says why, as the game&apos;s storage reports it.</extracomment>
        <translation>El historial no se está guardando en el disco. %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Picture needs more than %1 MiB to decode</source>
        <extracomment>Why a picture cannot be read; %1 is a number of mebibytes</extracomment>
        <translation>La imagen necesita más de %1 MiB para descodificarse</translation>
    </message>
    <message>
        <source>Picture has more than %1 scans</source>
        <extracomment>Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken</extracomment>
        <translation>La imagen tiene más de %1 pasadas</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>No se admiten imágenes CMYK</translation>
    </message>
    <message>
        <source>Picture too large: %1 x %2 pixels, more than %3 a side or %4 in all</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits</extracomment>
        <translation>Imagen demasiado grande: %1 x %2 píxeles, más de %3 por lado o %4 en total</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size in pixels</extracomment>
        <translation>No hay memoria suficiente para una imagen de %1 x %2</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>La imagen está vacía</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be read</extracomment>
        <translation>No se puede leer la imagen “%1”: %2</translation>
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
        <translation>Mostrar Quillane en:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <extracomment>The first choice of the language dialog; %1 is the desktop&apos;s language in its own words.</extracomment>
        <translation>El idioma del escritorio (%1)</translation>
    </message>
</context>
<context>
    <name>PatternNames</name>
    <message>
        <source>Large Plus</source>
        <translation>Cruz grande</translation>
    </message>
    <message>
        <source>Large X</source>
        <translation>X grande</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Cuatro esquinas</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <translation>Esquinas interiores</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Diamante lleno</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <translation>Diamante pequeño</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <translation>Diamante grande</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Small Frame</source>
        <translation>Marco pequeño</translation>
    </message>
    <message>
        <source>Any Bingo</source>
        <translation>Cualquier línea</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <translation>Doble línea difícil</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <translation>Cartón lleno</translation>
    </message>
</context>
<context>
    <name>PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The payoff chart&apos;s button that closes it.</extracomment>
        <translation>Cerrar</translation>
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
        <translation>Los premios son por moneda
apostada en la línea, salvo los
scatter, según el total apostado.
Las líneas pagan solo desde la
izquierda. Los scatters ganan en
cualquier posición. El WILD vale
por todo salvo las bolas BINGO.</translation>
    </message>
    <message>
        <source>Collect a Scatter win by getting
three or more BINGO Balls on
the screen in any position.</source>
        <extracomment>Above the scatter pays on the payoff chart, in a narrow column of three lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Ganas un premio scatter con
tres o más bolas BINGO en
pantalla, en cualquier posición.</translation>
    </message>
    <message>
        <source>Scatter wins start bonus game.</source>
        <extracomment>Below the scatter pays on the payoff chart, one short line.</extracomment>
        <translation>El scatter abre el juego bonus.</translation>
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
        <translation>El juego bonus de bingo se juega cuando salen tres o más bolas BINGO en pantalla en cualquier giro de la tragaperras. Al llegar al
juego bonus, elige uno de los cinco cartones de bingo. Se juega una partida de bingo a cartón lleno hasta que uno o más cartones se llenan.
Pero, por el camino, se pueden ganar otras doce variantes de bingo. El juego paga cuatro veces tu última apuesta (total de créditos) por cada
variante de bingo que ganes. El cartón lleno puede pagar más que las otras variantes si se completa antes de que se canten 72 bolas.
El bonus puede llegar a 50.000 veces tu última apuesta. Este importe se reduce un 17,5 % por cada número cantado después de los
primeros 24 números. El juego marca los cartones automáticamente. Ponte cómodo y disfruta. ¡Y BUENA SUERTE!</translation>
    </message>
    <message>
        <source>Blackout Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo cartón lleno</translation>
    </message>
    <message>
        <source>Any Way Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo de cualquier línea</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Cuatro esquinas</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Esquinas interiores</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Doble línea difícil</translation>
    </message>
    <message>
        <source>Inside Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Diamante interior</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Diamante grande</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Diamante lleno</translation>
    </message>
    <message>
        <source>Big Plus Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo cruz grande</translation>
    </message>
    <message>
        <source>Big X Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo X grande</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Marco interior</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Marco</translation>
    </message>
    <message>
        <source>BINGO Jackpot - Get all five BINGO Balls on a Payline</source>
        <extracomment>The payoff chart&apos;s heading over the five BINGO balls, on one line.</extracomment>
        <translation>Jackpot BINGO - Consigue las cinco bolas BINGO en una línea de pago</translation>
    </message>
    <message>
        <source>Pays %1 X Coins Per Line Bet</source>
        <extracomment>Under the five BINGO balls on the payoff chart, on one line.</extracomment>
        <translation>Paga %1 X monedas apostadas por línea</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>No bet was placed!</source>
        <translation>¡No se ha hecho ninguna apuesta!</translation>
    </message>
    <message>
        <source>You have %1, but you tried to bet %2 credits.  You cannot bet more credits than you have.  Borrow some credits or place a smaller bet.</source>
        <translation>Tienes %1, pero has intentado apostar %2 créditos. No puedes apostar más créditos de los que tienes. Pide créditos prestados o haz una apuesta menor.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>¡No tienes %1 créditos!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puedes devolver más créditos de los que has pedido!</translation>
    </message>
    <message>
        <source>You cannot borrow %1 more credits: the credits and the borrowed credits cannot go past %2.</source>
        <translation>No puedes pedir %1 créditos más: los créditos y los créditos prestados no pueden pasar de %2.</translation>
    </message>
    <message>
        <source>There is no game file to store the game in.</source>
        <translation>No hay ningún archivo de partida donde guardar la partida.</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that sets the play reminder</extracomment>
        <translation>Recordatorio de juego</translation>
    </message>
    <message>
        <source>Remind me of the time played and the credits won or lost:</source>
        <translation>Recordarme el tiempo de juego y los créditos ganados o perdidos:</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <extracomment>The play reminder switched off</extracomment>
        <translation>&amp;Nunca</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Cada %1 minutos</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Recordármelo con:</translation>
    </message>
    <message>
        <source>A &amp;notice over the meters</source>
        <translation>un &amp;aviso sobre los contadores</translation>
    </message>
    <message>
        <source>A &amp;window that pauses autoplay</source>
        <translation>una &amp;ventana que pausa el juego automático</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>You have played for %1 minute.</source>
        <translation>Llevas %1 minuto jugando.</translation>
    </message>
    <message>
        <source>You have played for %1 minutes.</source>
        <translation>Llevas %1 minutos jugando.</translation>
    </message>
    <message>
        <source>You are even.</source>
        <extracomment>The session has won as many credits as it has lost</extracomment>
        <translation>Estás en tablas.</translation>
    </message>
    <message>
        <source>You have won %1 credit.</source>
        <translation>Has ganado %1 crédito.</translation>
    </message>
    <message>
        <source>You have won %1 credits.</source>
        <translation>Has ganado %1 créditos.</translation>
    </message>
    <message>
        <source>You have lost %1 credit.</source>
        <translation>Has perdido %1 crédito.</translation>
    </message>
    <message>
        <source>You have lost %1 credits.</source>
        <translation>Has perdido %1 créditos.</translation>
    </message>
    <message>
        <source>Session %1</source>
        <extracomment>In the status bar: how long this session has lasted, as hours:minutes</extracomment>
        <translation>Sesión %1</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that reminds the player of the time and credits played</extracomment>
        <translation>Recordatorio de juego</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>Closes the play reminder; autoplay, if it runs, goes on</extracomment>
        <translation>&amp;Seguir jugando</translation>
    </message>
    <message>
        <source>&amp;Stop Autoplay</source>
        <translation>&amp;Detener juego automático</translation>
    </message>
</context>
<context>
    <name>ReturnText</name>
    <message>
        <source>1 line × 1 credit</source>
        <translation>1 línea × 1 crédito</translation>
    </message>
    <message>
        <source>1 line × %1 credits</source>
        <translation>1 línea × %1 créditos</translation>
    </message>
    <message>
        <source>%1 lines × 1 credit</source>
        <translation>%1 líneas × 1 crédito</translation>
    </message>
    <message>
        <source>%1 lines × %2 credits</source>
        <translation>%1 líneas × %2 créditos</translation>
    </message>
    <message>
        <source>not estimated</source>
        <extracomment>The bonus game&apos;s share of the return, when no simulation gives it for this bet.</extracomment>
        <translation>sin estimar</translation>
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
        <translation>%1 juegos simulados</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Retorno con %1: juego base %2 (exacto)</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact), bonus %3 (estimated from %4)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;, %3 an estimate, &quot;≈ 65.90% ± 0.01%&quot;, %4 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Retorno con %1: juego base %2 (exacto), bonus %3 (estimado con %4)</translation>
    </message>
</context>
<context>
    <name>SdlAudio</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be opened; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>No se puede abrir el archivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot play file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be played; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>No se puede reproducir el archivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot play music: no file name was given.</source>
        <translation>No se puede reproducir la música: no se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>It is not a Standard MIDI File.</source>
        <extracomment>Why a music file cannot be played</extracomment>
        <translation>No es un archivo MIDI estándar.</translation>
    </message>
    <message>
        <source>Cannot open the audio device. %1</source>
        <extracomment>%1 is the sound system&apos;s reason, in English</extracomment>
        <translation>No se puede abrir el dispositivo de audio. %1</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <extracomment>Read by screen readers: the box that holds a saved game&apos;s name.</extracomment>
        <translation>Nombre de la ranura %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A slot&apos;s own button, which saves or opens the game in it: keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save in slot %1</source>
        <translation>Guardar en la ranura %1</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Abrir la ranura %1</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar partida -- Elige una ranura</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir partida -- Elige una ranura</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits, &quot;1000 Credits&quot;.</extracomment>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s borrowed credits, &quot;0 Borrowed&quot;.</extracomment>
        <translation>%1 prestados</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>¿Nombre de esta partida guardada?</translation>
    </message>
</context>
<context>
    <name>SpokenResults</name>
    <message>
        <source>no %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>cero %1</translation>
    </message>
    <message>
        <source>one %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>un símbolo %1</translation>
    </message>
    <message>
        <source>two %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>dos %1</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>tres %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>cuatro %1</translation>
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
        <translation>Línea %1: %2, premio %3</translation>
    </message>
    <message>
        <source>%1 balls pay %2 and win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 bolas pagan %2 y activan el juego bonus</translation>
    </message>
    <message>
        <source>%1 balls pay %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 bolas pagan %2</translation>
    </message>
    <message>
        <source>%1 balls win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls</extracomment>
        <translation>%1 bolas activan el juego bonus</translation>
    </message>
    <message>
        <source>game paid %1</source>
        <translation>premio total %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Call %1: %2 %3</source>
        <extracomment>A screen reader&apos;s report of a bonus call; %1 is the call&apos;s number, %2 %3 the ball (&quot;B 7&quot;)</extracomment>
        <translation>Bola %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 on your card pays %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the pattern, %2 what it pays</extracomment>
        <translation>%1 en tu cartón paga %2</translation>
    </message>
    <message>
        <source>%1 on card %2 pays %3</source>
        <translation>%1 en el cartón %2 paga %3</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Tus estadísticas de juego</translation>
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
        <translation>Prestado:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Apuestas totales:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Premios:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Porcentaje de retorno global:</translation>
    </message>
    <message>
        <source>Credits over the Last Spins:</source>
        <translation>Créditos en los últimos giros:</translation>
    </message>
    <message>
        <source>Credits after the Last Spin:</source>
        <translation>Créditos tras el último giro:</translation>
    </message>
    <message>
        <source>Credits over the Last %1 Spins:</source>
        <translation>Créditos en los últimos %1 giros:</translation>
    </message>
    <message>
        <source>Theoretical Payoff Percentage:</source>
        <translation>Porcentaje de retorno teórico:</translation>
    </message>
    <message>
        <source>Base Game (exact):</source>
        <translation>Juego base (exacto):</translation>
    </message>
    <message>
        <source>Bonus (estimated):</source>
        <translation>Bonus (estimado):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is estimated from %2, ± one standard error.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;; %2 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Con %1, a lo largo de muchos giros. La parte del juego base se deduce exactamente de las reglas; la del juego bonus se estima con %2, ± un error típico.</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is not estimated for this bet.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Con %1, a lo largo de muchos giros. La parte del juego base se deduce exactamente de las reglas; la del juego bonus no se ha estimado para esta apuesta.</translation>
    </message>
    <message>
        <source>%1 (limit)</source>
        <extracomment>A statistics counter that has stopped at its largest value; %1 is the value</extracomment>
        <translation>%1 (límite)</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>%1 in [%2]</source>
        <extracomment>A value of the game file that cannot be read: %1 is its line, as &quot;Credits=abc&quot;, %2 its section; keep the brackets.</extracomment>
        <translation>%1 en [%2]</translation>
    </message>
    <message>
        <source>The game file %1 is not a regular file and was not read.</source>
        <translation>El archivo de partida %1 no es un archivo normal y no se ha leído.</translation>
    </message>
    <message>
        <source>The game file %1 is larger than %2 MiB and was not read.</source>
        <translation>El archivo de partida %1 ocupa más de %2 MiB y no se ha leído.</translation>
    </message>
    <message>
        <source>The game file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de partida %1: %2.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de historial %1: %2.</translation>
    </message>
    <message>
        <source>There is no data directory to keep it in.</source>
        <translation>No hay ningún directorio de datos donde guardarlo.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo de historial %1: %2.</translation>
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
        <translation>Algunos valores del archivo de partida %1 no se pueden leer (%2) y se toman los de una partida nueva. En %3 se conserva una copia del archivo tal como estaba en un inicio anterior.</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. The file as it was is kept in %3.</source>
        <translation>Algunos valores del archivo de partida %1 no se pueden leer (%2) y se toman los de una partida nueva. El archivo tal como estaba se conserva en %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2. The game goes on, but it cannot be kept.</source>
        <translation>No se puede escribir en la carpeta %1: %2. El juego sigue, pero la partida no se puede guardar.</translation>
    </message>
    <message>
        <source>No home directory to keep the game file in</source>
        <translation>No hay directorio personal donde guardar el archivo de partida</translation>
    </message>
    <message>
        <source>Unable to write to %1
%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason on a line of its own; keep the line break.</extracomment>
        <translation>No se puede escribir en %1
%2</translation>
    </message>
    <message>
        <source>It is a directory</source>
        <extracomment>Why a file cannot be read: the name is a folder&apos;s.</extracomment>
        <translation>es un directorio</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Why a file cannot be read: the name is a device&apos;s, a pipe&apos;s or a socket&apos;s.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <extracomment>Why a file cannot be read; %1 is a number of mebibytes.</extracomment>
        <translation>ocupa más de %1 MiB</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>Wild</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>B ball</source>
        <translation>Bola B</translation>
    </message>
    <message>
        <source>I ball</source>
        <translation>Bola I</translation>
    </message>
    <message>
        <source>N ball</source>
        <translation>Bola N</translation>
    </message>
    <message>
        <source>G ball</source>
        <translation>Bola G</translation>
    </message>
    <message>
        <source>O ball</source>
        <translation>Bola O</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartón</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Boletos</translation>
    </message>
    <message>
        <source>Cage</source>
        <translation>Bombo</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Doll</source>
        <translation>Muñeca</translation>
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
        <translation>Bolsa</translation>
    </message>
    <message>
        <source>Wilds</source>
        <translation>wilds</translation>
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
        <translation>cartones</translation>
    </message>
    <message>
        <source>Cages</source>
        <translation>bombos</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>reyes</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>reinas</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>jotas</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>dieces</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>muñecas</translation>
    </message>
    <message>
        <source>Elephants</source>
        <translation>elefantes</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>bolsas</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <extracomment>The title of the window with the sound effects&apos; and the music&apos;s sliders.</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Sound &amp;effects:</source>
        <translation>&amp;Efectos de sonido:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Música:</translation>
    </message>
</context>
</TS>
