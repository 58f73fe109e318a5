<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AudioModule</name>
    <message>
        <source>The game&apos;s sound module cannot be loaded. %1</source>
        <extracomment>%1 is the system&apos;s reason, in English, or empty</extracomment>
        <translation>Impossibile caricare il modulo audio del gioco. %1</translation>
    </message>
</context>
<context>
    <name>AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <extracomment>The autoplay window&apos;s title.</extracomment>
        <translation>Autoplay</translation>
    </message>
    <message>
        <source>Spins to play at the current bet:</source>
        <translation>Giri da giocare con la puntata attuale:</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Ferma:</translation>
    </message>
    <message>
        <source>When a &amp;bonus game starts</source>
        <translation>Quando inizia un gioco &amp;bonus</translation>
    </message>
    <message>
        <source>When a single &amp;win is at least</source>
        <translation>Quando una singola &amp;vincita è almeno</translation>
    </message>
    <message>
        <source>When the &amp;credits fall below</source>
        <translation>Quando i &amp;crediti scendono sotto</translation>
    </message>
    <message>
        <source>Autoplay also stops when the bet can no longer be placed; it never borrows. Any key or click stops it.</source>
        <translation>L&apos;Autoplay si ferma anche quando la puntata non si può più effettuare; non prende mai crediti in prestito. Un tasto o un clic qualsiasi lo ferma.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>In bonus &amp;games:</source>
        <translation>Nei &amp;giochi bonus:</translation>
    </message>
    <message>
        <source>let me choose</source>
        <extracomment>In the autoplay window: autoplay waits for the player to choose the bonus game&apos;s card</extracomment>
        <translation>lascia scegliere a me</translation>
    </message>
    <message>
        <source>my last card</source>
        <extracomment>In the autoplay window: autoplay plays the card the player chose by hand the last time</extracomment>
        <translation>la mia ultima cartella</translation>
    </message>
    <message>
        <source>a random card</source>
        <extracomment>In the autoplay window: autoplay plays one of the five cards, drawn at random</extracomment>
        <translation>una cartella a caso</translation>
    </message>
    <message>
        <source>When the run has &amp;lost at least</source>
        <translation>Quando la serie ha &amp;perso almeno</translation>
    </message>
    <message>
        <source>When the run has w&amp;on at least</source>
        <translation>Quando la serie ha vin&amp;to almeno</translation>
    </message>
    <message>
        <source>The choice for bonus games applies when autoplay does not stop for them. What the run has won or lost counts from its start, bonus wins included and borrowing left aside.</source>
        <translation>La scelta per i giochi bonus vale quando l&apos;Autoplay non si ferma per loro. Quanto la serie ha vinto o perso conta dal suo inizio, vincite bonus comprese e prestiti esclusi.</translation>
    </message>
</context>
<context>
    <name>AutoplayText</name>
    <message>
        <source>Autoplay: 1 spin left</source>
        <extracomment>In the message strip while autoplay runs; keep it short.</extracomment>
        <translation>Autoplay: 1 giro rimasto</translation>
    </message>
    <message>
        <source>Autoplay: %1 spins left</source>
        <extracomment>In the message strip while autoplay runs, %1 spins; keep it short.</extracomment>
        <translation>Autoplay: %1 giri rimasti</translation>
    </message>
    <message>
        <source>Autoplay finished</source>
        <translation>Autoplay terminato</translation>
    </message>
    <message>
        <source>Autoplay stopped for the bonus game</source>
        <translation>Autoplay fermato per il gioco bonus</translation>
    </message>
    <message>
        <source>Autoplay stopped on a big win</source>
        <translation>Autoplay fermato per una grossa vincita</translation>
    </message>
    <message>
        <source>Autoplay stopped: credits low</source>
        <translation>Autoplay fermato: crediti bassi</translation>
    </message>
    <message>
        <source>Autoplay stopped: the bet cannot be placed</source>
        <translation>Autoplay fermato: puntata non possibile</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Autoplay fermato</translation>
    </message>
    <message>
        <source>Autoplay stopped: loss limit reached</source>
        <extracomment>In the message strip: the autoplay run lost as much as the player allowed</extracomment>
        <translation>Autoplay fermato: limite di perdita raggiunto</translation>
    </message>
    <message>
        <source>Autoplay stopped: win limit reached</source>
        <extracomment>In the message strip: the autoplay run won as much as the player asked for</extracomment>
        <translation>Autoplay fermato: limite di vincita raggiunto</translation>
    </message>
</context>
<context>
    <name>BonusGameWindow</name>
    <message>
        <source>Bingo Bonus Game</source>
        <extracomment>The bonus game window&apos;s title</extracomment>
        <translation>Gioco bonus Bingo</translation>
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
        <translation>Numeri
estratti</translation>
    </message>
    <message>
        <source>You chose card %1</source>
        <extracomment>Told to a screen reader; %1 is the card&apos;s number, 1 to 5</extracomment>
        <translation>Hai scelto la cartella %1</translation>
    </message>
    <message>
        <source>Click Monitor for Normal Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls at normal pace</extracomment>
        <translation>Clicca il monitor per il gioco normale</translation>
    </message>
    <message>
        <source>Click Monitor for Quick Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls the balls quickly</extracomment>
        <translation>Clicca il monitor per il gioco rapido</translation>
    </message>
    <message>
        <source>; the bonus game pays %1</source>
        <extracomment>Told to a screen reader after the call that ended the bonus game; %1 is what the game paid. Follows the call&apos;s report after a semicolon</extracomment>
        <translation>; il gioco bonus paga %1</translation>
    </message>
    <message>
        <source>Your Card</source>
        <extracomment>Bonus game caption over the card the player chose: keep it short</extracomment>
        <translation>La tua cartella</translation>
    </message>
    <message>
        <source>Select Your Card</source>
        <extracomment>Bonus game caption, flashing until the player picks a card: keep it short</extracomment>
        <translation>Scegli la tua cartella</translation>
    </message>
    <message>
        <source>Numbers Called</source>
        <extracomment>Bonus game caption over the count of balls called</extracomment>
        <translation>Numeri estratti</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <extracomment>Bonus game caption beside the blackout jackpot: keep it short</extracomment>
        <translation>Bonus cartella piena</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, 1 to 5</extracomment>
        <translation>Cartella %1</translation>
    </message>
    <message>
        <source>Card %1, your card: %2</source>
        <extracomment>The player&apos;s bonus card as a screen reader names it; %1 its number, %2 its score</extracomment>
        <translation>Cartella %1, la tua cartella: %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, %2 its score</extracomment>
        <translation>Cartella %1: %2</translation>
    </message>
    <message>
        <source>Monitor: quick play</source>
        <extracomment>The bonus game&apos;s monitor as a screen reader names it; checked while quick play is on</extracomment>
        <translation>Monitor: gioco rapido</translation>
    </message>
    <message>
        <source>Call board: no call yet</source>
        <extracomment>The bonus game&apos;s board of called balls, before any call</extracomment>
        <translation>Tabellone: ancora nessuna estrazione</translation>
    </message>
    <message>
        <source>Call board: call %1, %2</source>
        <translation>Tabellone: estrazione %1, %2</translation>
    </message>
    <message>
        <source>Calls made: %1</source>
        <extracomment>%1 is the number of balls called so far</extracomment>
        <translation>Estrazioni effettuate: %1</translation>
    </message>
    <message>
        <source>Blackout bonus now: %1</source>
        <extracomment>%1 is the blackout jackpot as it stands, in credits</extracomment>
        <translation>Bonus cartella piena attuale: %1</translation>
    </message>
    <message>
        <source>%1: won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: vinto</translation>
    </message>
    <message>
        <source>%1: not won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: non vinto</translation>
    </message>
</context>
<context>
    <name>BorrowWindow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Usa questo modulo per prendere in prestito o restituire crediti</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>An amount button&apos;s tooltip and name for screen readers, &quot;1,000 credits&quot;.</extracomment>
        <translation>%1 crediti</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>Caption of the choice between borrowing and paying back.</extracomment>
        <translation>Modalità:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Prestito crediti</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Restituisci crediti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The borrow window&apos;s Help: &quot;borrow&quot; and &quot;pay back&quot; are its two modes, Borrow Credits and Pay Back Credits.</extracomment>
        <translation>Usa questa schermata per prendere crediti in prestito o per restituire crediti presi in prestito in precedenza.  Clicca sul pulsante con l&apos;importo da prendere in prestito (o da restituire).<byte value="xd"/>
<byte value="xd"/>
Per passare da &quot;Prestito crediti&quot; a &quot;Restituisci crediti&quot; scegli la modalità.</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Caption over the meter of the credits borrowed.</extracomment>
        <translation>In prestito:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Caption over the meter of the player&apos;s credits.</extracomment>
        <translation>Crediti:</translation>
    </message>
    <message>
        <source>Borrowed: %1. Credits: %2.</source>
        <translation>In prestito: %1. Crediti: %2.</translation>
    </message>
</context>
<context>
    <name>CabinetElements</name>
    <message>
        <source>%1 — spins at once</source>
        <extracomment>A credits key as a screen reader names it; %1 is its caption (&quot;2 Credits&quot;)</extracomment>
        <translation>%1 — gira subito</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A meter as a screen reader names it; %1 is its caption (&quot;Credits&quot;), %2 its figure</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reel</source>
        <extracomment>A reel window&apos;s column as a screen reader names it</extracomment>
        <translation>Rullo</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>A reel window&apos;s row as a screen reader names it</extracomment>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>The reel window as a screen reader names it</extracomment>
        <translation>Rulli</translation>
    </message>
    <message>
        <source>Turning</source>
        <extracomment>A reel cell&apos;s name while the reels turn</extracomment>
        <translation>In rotazione</translation>
    </message>
    <message>
        <source>Payline %1: played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Linea %1: in gioco</translation>
    </message>
    <message>
        <source>Payline %1: not played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Linea %1: non in gioco</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The Spin button as a screen reader names it</extracomment>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The Bet Max button as a screen reader names it</extracomment>
        <translation>Punta Max</translation>
    </message>
    <message>
        <source>Insert Coins — borrow credits</source>
        <extracomment>The coin slot as a screen reader names it</extracomment>
        <translation>Inserire monete — prendi crediti in prestito</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Winnings</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Vincita</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Crediti</translation>
    </message>
</context>
<context>
    <name>CabinetKeyTips</name>
    <message>
        <source>%1 — plays 1 payline from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;1 Payline&quot;)</extracomment>
        <translation>%1 — gioca 1 linea dal prossimo giro. Non fa girare; anche le frecce Sinistra e Destra scelgono le linee.</translation>
    </message>
    <message>
        <source>%1 — plays %2 paylines from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;5 Paylines&quot;), %2 the lines</extracomment>
        <translation>%1 — gioca %2 linee dal prossimo giro. Non fa girare; anche le frecce Sinistra e Destra scelgono le linee.</translation>
    </message>
    <message>
        <source>%1 — spins now with 1 credit per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;1 Credit&quot;)</extracomment>
        <translation>%1 — gira subito con 1 credito per linea. Per scegliere i crediti senza girare, usa le frecce Su e Giù.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;2 Credits&quot;), %2 the credits</extracomment>
        <translation>%1 — gira subito con %2 crediti per linea. Per scegliere i crediti senza girare, usa le frecce Su e Giù.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits on each of %3 lines, %4 credits in all, when you have that many. Key: M.</source>
        <extracomment>The Bet Max button&apos;s tooltip; %1 is its name, %2 the credits per line, %3 the lines, %4 the whole bet</extracomment>
        <translation>%1 — gira subito con %2 crediti su ciascuna delle %3 linee, %4 crediti in tutto, se li hai. Tasto: M.</translation>
    </message>
    <message>
        <source>%1 — spins with the bet the keys show. Keys: Enter or Space.</source>
        <extracomment>The Spin button&apos;s tooltip; %1 is its name</extracomment>
        <translation>%1 — gira con la puntata mostrata dai tasti. Tasti: Invio o Spazio.</translation>
    </message>
    <message>
        <source>%1 — a click here does nothing: borrow credits from the Borrow menu, or press Tab until the slot is ringed, then Enter.</source>
        <extracomment>The coin slot&apos;s tooltip; %1 is its caption</extracomment>
        <translation>%1 — un clic qui non fa nulla: chiedi crediti dal menu Prestito, oppure premi Tab finché la fessura è cerchiata, poi Invio.</translation>
    </message>
</context>
<context>
    <name>CabinetPainter</name>
    <message>
        <source>ENTER = SPIN  M = MAX</source>
        <extracomment>The keys&apos; hint beneath the bet keys, painted in a small box: keep it short</extracomment>
        <translation>INVIO = GIRA  M = MAX</translation>
    </message>
    <message>
        <source>Oops, I did it again! (%1)</source>
        <translation>Ops, è successo di nuovo! (%1)</translation>
    </message>
    <message>
        <source> Coins: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the coins bet; keep it short</extracomment>
        <translation> Puntata: </translation>
    </message>
    <message>
        <source> Winnings: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the last spin&apos;s winnings; keep it short</extracomment>
        <translation> Vincita: </translation>
    </message>
    <message>
        <source> Credits: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the player&apos;s credits; keep it short</extracomment>
        <translation> Crediti: </translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Painted on the coin slot&apos;s small red window, over &quot;Coins&quot;: keep it very short</extracomment>
        <translation>Inserire</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Painted on the coin slot&apos;s plate, under &quot;Insert&quot;: keep it very short</extracomment>
        <translation>Monete</translation>
    </message>
    <message>
        <source>Bonus Game Paid %1</source>
        <translation>Vincita bonus %1</translation>
    </message>
    <message>
        <source>Play the Bonus Game</source>
        <extracomment>In the message strip when the spin won the bonus game</extracomment>
        <translation>Vai al gioco bonus</translation>
    </message>
    <message>
        <source>Scatter paid %1</source>
        <extracomment>In the message strip; %1 is what the scatter balls paid</extracomment>
        <translation>Vincita scatter %1</translation>
    </message>
    <message>
        <source>Line paid %1</source>
        <extracomment>In the message strip, in the payline&apos;s colour; %1 is what the line paid</extracomment>
        <translation>Vincita linea %1</translation>
    </message>
    <message>
        <source>Game paid %1</source>
        <extracomment>In the message strip; %1 is what the whole spin paid</extracomment>
        <translation>Vincita totale %1</translation>
    </message>
    <message>
        <source>1 Payline</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Linea</translation>
    </message>
    <message>
        <source>3 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Linee</translation>
    </message>
    <message>
        <source>5 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Linee</translation>
    </message>
    <message>
        <source>7 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>7 Linee</translation>
    </message>
    <message>
        <source>9 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>9 Linee</translation>
    </message>
    <message>
        <source>1 Credit</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Credito</translation>
    </message>
    <message>
        <source>2 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>2 Crediti</translation>
    </message>
    <message>
        <source>3 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Crediti</translation>
    </message>
    <message>
        <source>5 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Crediti</translation>
    </message>
    <message>
        <source>10 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>10 Crediti</translation>
    </message>
</context>
<context>
    <name>CabinetPictures</name>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5 or taller.</source>
        <extracomment>%1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs</extracomment>
        <translation>Impossibile usare l&apos;immagine &quot;%1&quot;: misura %2 per %3 pixel, e il gioco ne richiede %4 per %5 o più alta.</translation>
    </message>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5.</source>
        <translation>Impossibile usare l&apos;immagine &quot;%1&quot;: misura %2 per %3 pixel, e il gioco ne richiede %4 per %5.</translation>
    </message>
</context>
<context>
    <name>CabinetWindow</name>
    <message>
        <source>The game was not stored: %1</source>
        <extracomment>In the message strip; %1 is why the game file could not be written</extracomment>
        <translation>La partita non è stata conservata: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the game plays silently.</source>
        <translation>Nessun dispositivo audio trovato: il gioco prosegue in silenzio.</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <extracomment>The cabinet as a screen reader names it</extracomment>
        <translation>Cabinet</translation>
    </message>
    <message>
        <source>%1

The game was not stored. Quit without saving it?</source>
        <translation>%1

La partita non è stata conservata. Uscire senza salvarla?</translation>
    </message>
    <message>
        <source>There is no game file to keep this game in. Quit without saving it?</source>
        <translation>Non c&apos;è un file di gioco in cui conservare questa partita. Uscire senza salvarla?</translation>
    </message>
    <message>
        <source>Stop &amp;Autoplay</source>
        <extracomment>Menu item: ends the autoplay run under way</extracomment>
        <translation>Ferma &amp;Autoplay</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>&amp;Autoplay…</translation>
    </message>
    <message>
        <source>Bonus game paid %1; game paid %2</source>
        <extracomment>Told to a screen reader once the bonus game is over</extracomment>
        <translation>Vincita bonus %1; vincita totale %2</translation>
    </message>
    <message>
        <source>&amp;More Lines</source>
        <extracomment>Menu item: plays one more payline</extracomment>
        <translation>&amp;Più linee</translation>
    </message>
    <message>
        <source>&amp;Fewer Lines</source>
        <extracomment>Menu item: plays one payline fewer</extracomment>
        <translation>Me&amp;no linee</translation>
    </message>
    <message>
        <source>More &amp;Credits per Line</source>
        <extracomment>Menu item: bets more credits on each payline</extracomment>
        <translation>Più &amp;crediti per linea</translation>
    </message>
    <message>
        <source>Fewer C&amp;redits per Line</source>
        <extracomment>Menu item: bets fewer credits on each payline</extracomment>
        <translation>Meno cre&amp;diti per linea</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>Menu item: starts a new game</extracomment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <extracomment>Menu item: opens a game kept in a slot</extracomment>
        <translation>&amp;Apri partita</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <extracomment>Menu item: keeps the game in a slot</extracomment>
        <translation>&amp;Salva partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Menu item, checked while sound effects play</extracomment>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Menu item, checked while music plays</extracomment>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Volume…</source>
        <extracomment>Menu item: opens the volume window</extracomment>
        <translation>Volume…</translation>
    </message>
    <message>
        <source>&amp;Quick Play</source>
        <extracomment>Menu item, checked while the game plays quickly</extracomment>
        <translation>Gioco &amp;rapido</translation>
    </message>
    <message>
        <source>Re&amp;duce Motion</source>
        <extracomment>Menu item, checked while the reels and pay-outs move less</extracomment>
        <translation>Riduci &amp;movimento</translation>
    </message>
    <message>
        <source>Line &amp;Patterns</source>
        <extracomment>Menu item, checked while each payline is drawn in a pattern of its own</extracomment>
        <translation>Linee &amp;tratteggiate</translation>
    </message>
    <message>
        <source>High Co&amp;ntrast</source>
        <extracomment>Menu item, checked while the captions are drawn in high contrast</extracomment>
        <translation>Contrasto &amp;elevato</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <extracomment>Menu item: opens the window that chooses the interface&apos;s language</extracomment>
        <translation>&amp;Lingua…</translation>
    </message>
    <message>
        <source>Game &amp;History…</source>
        <extracomment>Menu item: opens the list of the last spins</extracomment>
        <translation>&amp;Storico giocate…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar item: borrows credits</extracomment>
        <translation>&amp;Prestito</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <extracomment>Menu bar item: shows the game&apos;s statistics</extracomment>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar item: shows the pay table</extracomment>
        <translation>&amp;Vincite</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Menu item: shows the program&apos;s name and version</extracomment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <extracomment>Menu item: opens the manual; %1 is the game&apos;s name</extracomment>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manuale di %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</source>
        <extracomment>The Version box; %1 is the game&apos;s name, %2 its version. Keep the line breaks.</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Versione:  %2</translation>
    </message>
    <message>
        <source>Remember My &amp;Bet</source>
        <extracomment>Menu item, checked while the bet is kept for the next time the game starts</extracomment>
        <translation>Ricorda la mia p&amp;untata</translation>
    </message>
    <message>
        <source>Play Rem&amp;inder…</source>
        <extracomment>Menu item: opens the window that sets how often the game tells the time and credits played</extracomment>
        <translation>Promemoria di &amp;gioco…</translation>
    </message>
    <message>
        <source>The spin count has reached its limit; the statistics stop counting.</source>
        <translation>Il numero di giri ha raggiunto il limite; le statistiche smettono di contare.</translation>
    </message>
    <message>
        <source>The total bets have reached their limit; the statistics stop counting.</source>
        <translation>Il totale delle puntate ha raggiunto il limite; le statistiche smettono di contare.</translation>
    </message>
    <message>
        <source>The bonus total has reached its limit; the statistics stop counting.</source>
        <translation>Il totale dei bonus ha raggiunto il limite; le statistiche smettono di contare.</translation>
    </message>
    <message>
        <source>Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.</source>
        <extracomment>In the message strip once, at the first start: the cabinet&apos;s keys. Keep it short</extracomment>
        <translation>Tasti: Invio gira, M punta il massimo, le frecce scelgono la puntata, F1 apre il manuale.</translation>
    </message>
    <message>
        <source>Credits are at their limit; 1 credit of this win could not be paid.</source>
        <extracomment>In the message strip when the credits cannot take all of a win</extracomment>
        <translation>I crediti sono al limite; 1 credito di questa vincita non è stato pagato.</translation>
    </message>
    <message>
        <source>Credits are at their limit; %1 credits of this win could not be paid.</source>
        <translation>I crediti sono al limite; %1 crediti di questa vincita non sono stati pagati.</translation>
    </message>
</context>
<context>
    <name>CardColours</name>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rossa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianca</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gialla</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The colour of a bonus card the history does not know.</extracomment>
        <translation>Sconosciuta</translation>
    </message>
</context>
<context>
    <name>ChartRows</name>
    <message>
        <source>%1 pays %2</source>
        <extracomment>A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay</extracomment>
        <translation>con %1 paga %2</translation>
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
        <translation>%1 pagano %2</translation>
    </message>
    <message>
        <source>Scatter balls, times the total bet: %1</source>
        <extracomment>The scatter pays as a screen reader reads them; %1 is their list, &quot;5 pay 50, 4 pay 10&quot;</extracomment>
        <translation>Palline scatter, in multipli della puntata totale: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: quillane [--help] [--version] [Qt options]
Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.
</source>
        <extracomment>The command line&apos;s help: how the program is started. Keep &quot;quillane&quot; and the options</extracomment>
        <translation>uso: quillane [--help] [--version] [opzioni di Qt]
Quillane, una video slot a cinque rulli e nove linee con un gioco bonus di bingo a cartella piena.
</translation>
    </message>
    <message>
        <source>  -h, --help   print this help and leave
  --version    print the version and leave
</source>
        <extracomment>The command line&apos;s help: the options, aligned in two columns. Keep the option names</extracomment>
        <translation>  -h, --help   mostra questo aiuto ed esce
  --version    mostra la versione ed esce
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform NAME or -style NAME, are also taken.
The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).
</source>
        <extracomment>The command line&apos;s help: where the game keeps its files. Keep the paths and names</extracomment>
        <translation>Sono accettate anche le opzioni di Qt, come -platform NOME o -style NOME.
La partita è conservata in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Immagini, suoni e musica personali vanno in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 nel gioco apre il manuale; vedi anche quillane(6).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the argument given</extracomment>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>l&apos;opzione &apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>quillane: %1 (try --help)
</source>
        <extracomment>How a command line error is printed; %1 is the error. Keep &quot;quillane&quot; and &quot;--help&quot;</extracomment>
        <translation>quillane: %1 (prova --help)
</translation>
    </message>
    <message>
        <source>quillane: cannot write the output: %1
</source>
        <extracomment>Printed when the help or the version could not be written, to a full disc or a closed pipe; %1 is the system&apos;s reason. Keep &quot;quillane&quot;</extracomment>
        <translation>quillane: impossibile scrivere l&apos;output: %1
</translation>
    </message>
</context>
<context>
    <name>CreditsPlot</name>
    <message>
        <source>No spins yet</source>
        <extracomment>Written small across the empty plot of the credits.</extracomment>
        <translation>Ancora nessun giro</translation>
    </message>
</context>
<context>
    <name>GameProgram</name>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>An error box&apos;s text when something unforeseen went wrong</extracomment>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Quillane is already running.</source>
        <extracomment>Shown when the player starts the game a second time</extracomment>
        <translation>Quillane è già in esecuzione.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual &quot;%1&quot; could not be found.</source>
        <extracomment>%1 is the manual&apos;s file</extracomment>
        <translation>Il manuale &quot;%1&quot; non è stato trovato.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Reels: %1</source>
        <extracomment>Read by screen readers: a spin&apos;s symbols, row by row.</extracomment>
        <translation>Rulli: %1</translation>
    </message>
    <message>
        <source>Bet %1: 1 line at %2</source>
        <extracomment>A spin&apos;s bet: the credits bet, the paylines played and the credits on each line.</extracomment>
        <translation>Puntata %1: 1 linea da %2</translation>
    </message>
    <message>
        <source>Bet %1: %2 lines at %3</source>
        <translation>Puntata %1: %2 linee da %3</translation>
    </message>
    <message>
        <source>Credits after: %1</source>
        <translation>Crediti dopo: %1</translation>
    </message>
    <message>
        <source>Line %1: 1 symbol pays %2</source>
        <extracomment>A line win: the payline, how many symbols in a row and what they paid.</extracomment>
        <translation>Linea %1: 1 simbolo paga %2</translation>
    </message>
    <message>
        <source>Line %1: %2 symbols pay %3</source>
        <translation>Linea %1: %2 simboli pagano %3</translation>
    </message>
    <message>
        <source>Scatter: 1 ball pay %1</source>
        <extracomment>A scatter win: how many BINGO balls showed and what they paid.</extracomment>
        <translation>Scatter: 1 pallina paga %1</translation>
    </message>
    <message>
        <source>Scatter: %1 balls pay %2</source>
        <translation>Scatter: %1 palline pagano %2</translation>
    </message>
    <message>
        <source>Balls: %1</source>
        <extracomment>BINGO balls that showed, too few to pay.</extracomment>
        <translation>Palline: %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Nessuna vincita</translation>
    </message>
    <message>
        <source>Bonus game: %1 card, %2 calls</source>
        <extracomment>%1 is the colour of the card the player chose, %2 how many numbers were called.</extracomment>
        <translation>Gioco bonus: cartella %1, %2 estrazioni</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bingo pattern won and the credits it paid, &quot;Four Corners 20&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Patterns won: none</source>
        <extracomment>The list of patterns won, each with its pay, &quot;Four Corners 20, Big X 20&quot;.</extracomment>
        <translation>Schemi vinti: nessuno</translation>
    </message>
    <message>
        <source>Patterns won: %1</source>
        <translation>Schemi vinti: %1</translation>
    </message>
    <message>
        <source>Bonus paid: %1</source>
        <translation>Bonus pagato: %1</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Storico giocate</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Ancora nessun giro in questa partita.</translation>
    </message>
    <message>
        <source>The last spin of this game, newest first:</source>
        <translation>L&apos;ultimo giro di questa partita:</translation>
    </message>
    <message>
        <source>The last %1 spins of this game, newest first:</source>
        <translation>Gli ultimi %1 giri di questa partita, dal più recente:</translation>
    </message>
    <message>
        <source>The history is not being kept on disk. %1</source>
        <extracomment>%1 says why, as the game&apos;s storage reports it.</extracomment>
        <translation>Lo storico non viene conservato su disco. %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Picture needs more than %1 MiB to decode</source>
        <extracomment>Why a picture cannot be read; %1 is a number of mebibytes</extracomment>
        <translation>L&apos;immagine richiede più di %1 MiB per essere decodificata</translation>
    </message>
    <message>
        <source>Picture has more than %1 scans</source>
        <extracomment>Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken</extracomment>
        <translation>L&apos;immagine ha più di %1 scansioni</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>Le immagini CMYK non sono supportate</translation>
    </message>
    <message>
        <source>Picture too large: %1 x %2 pixels, more than %3 a side or %4 in all</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits</extracomment>
        <translation>Immagine troppo grande: %1 x %2 pixel, più di %3 per lato o %4 in tutto</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size in pixels</extracomment>
        <translation>Memoria insufficiente per un&apos;immagine di %1 x %2</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>L&apos;immagine è vuota</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be read</extracomment>
        <translation>Impossibile leggere l&apos;immagine &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Show Quillane in:</source>
        <translation>Mostra Quillane in:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <extracomment>The first choice of the language dialog; %1 is the desktop&apos;s language in its own words.</extracomment>
        <translation>La lingua del desktop (%1)</translation>
    </message>
</context>
<context>
    <name>PatternNames</name>
    <message>
        <source>Large Plus</source>
        <translation>Croce grande</translation>
    </message>
    <message>
        <source>Large X</source>
        <translation>X grande</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Quattro angoli</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <translation>Angoli interni</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Rombo pieno</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <translation>Rombo piccolo</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <translation>Rombo grande</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>Small Frame</source>
        <translation>Cornice piccola</translation>
    </message>
    <message>
        <source>Any Bingo</source>
        <translation>Bingo qualsiasi</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <translation>Doppia linea difficile</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Francobollo</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <translation>Bonus cartella piena</translation>
    </message>
</context>
<context>
    <name>PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tabella vincite</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The payoff chart&apos;s button that closes it.</extracomment>
        <translation>Chiudi</translation>
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
        <translation>Le vincite sono per moneta
puntata sulla linea, tranne gli
scatter, pagati sui crediti totali.
Le linee pagano solo da sinistra.
Gli scatter vincono ovunque.
I wild sostituiscono tutti i simboli
tranne le palline BINGO.</translation>
    </message>
    <message>
        <source>Collect a Scatter win by getting
three or more BINGO Balls on
the screen in any position.</source>
        <extracomment>Above the scatter pays on the payoff chart, in a narrow column of three lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Ottieni una vincita Scatter con
tre o più palline BINGO sullo
schermo, in qualsiasi posizione.</translation>
    </message>
    <message>
        <source>Scatter wins start bonus game.</source>
        <extracomment>Below the scatter pays on the payoff chart, one short line.</extracomment>
        <translation>Lo scatter avvia il gioco bonus.</translation>
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
        <translation>Il Gioco bonus Bingo si gioca quando escono tre o più palline BINGO sullo schermo durante un giro qualsiasi.  Arrivato al gioco
bonus, scegli una delle cinque cartelle.  Si gioca una partita di bingo a cartella piena finché una o più cartelle non si riempiono.
Strada facendo, però, si possono vincere altre dodici varianti del bingo.  Ogni variante vinta paga quattro volte la tua ultima
puntata (crediti puntati in totale).  La cartella piena può pagare più delle altre varianti se arriva prima della 72ª estrazione.
Il bonus può arrivare a 50.000 volte la tua ultima puntata.  Questo importo cala del 17,5% per ogni numero estratto dopo
i primi 24.  Le cartelle vengono segnate automaticamente dal gioco.  Mettiti comodo e goditi lo spettacolo.  E BUONA FORTUNA!</translation>
    </message>
    <message>
        <source>Blackout Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo cartella piena</translation>
    </message>
    <message>
        <source>Any Way Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo in ogni verso</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Francobollo</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Quattro angoli</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Angoli interni</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Doppia linea difficile</translation>
    </message>
    <message>
        <source>Inside Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Rombo interno</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Rombo grande</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Rombo pieno</translation>
    </message>
    <message>
        <source>Big Plus Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo a croce</translation>
    </message>
    <message>
        <source>Big X Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo a X</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Cornice interna</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Cornice</translation>
    </message>
    <message>
        <source>BINGO Jackpot - Get all five BINGO Balls on a Payline</source>
        <extracomment>The payoff chart&apos;s heading over the five BINGO balls, on one line.</extracomment>
        <translation>Jackpot BINGO - Tutte e cinque le palline BINGO su una linea</translation>
    </message>
    <message>
        <source>Pays %1 X Coins Per Line Bet</source>
        <extracomment>Under the five BINGO balls on the payoff chart, on one line.</extracomment>
        <translation>Paga %1 volte la puntata per linea</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Nessuna puntata effettuata!</translation>
    </message>
    <message>
        <source>You have %1, but you tried to bet %2 credits.  You cannot bet more credits than you have.  Borrow some credits or place a smaller bet.</source>
        <translation>Hai %1 crediti, ma hai provato a puntarne %2.  Non puoi puntare più crediti di quelli che hai.  Prendi in prestito dei crediti o fai una puntata più bassa.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Non hai %1 crediti!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Non puoi restituire più crediti di quanti ne hai presi in prestito!</translation>
    </message>
    <message>
        <source>You cannot borrow %1 more credits: the credits and the borrowed credits cannot go past %2.</source>
        <translation>Non puoi prendere in prestito altri %1 crediti: i crediti e i crediti in prestito non possono superare %2.</translation>
    </message>
    <message>
        <source>There is no game file to store the game in.</source>
        <translation>Non c&apos;è un file di gioco in cui conservare la partita.</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that sets the play reminder</extracomment>
        <translation>Promemoria di gioco</translation>
    </message>
    <message>
        <source>Remind me of the time played and the credits won or lost:</source>
        <translation>Ricordami il tempo di gioco e i crediti vinti o persi:</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <extracomment>The play reminder switched off</extracomment>
        <translation>&amp;Mai</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Ogni %1 minuti</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Ricordamelo con:</translation>
    </message>
    <message>
        <source>A &amp;notice over the meters</source>
        <translation>un &amp;avviso sopra i contatori</translation>
    </message>
    <message>
        <source>A &amp;window that pauses autoplay</source>
        <translation>una &amp;finestra che mette in pausa l&apos;Autoplay</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>You have played for %1 minute.</source>
        <translation>Giochi da %1 minuto.</translation>
    </message>
    <message>
        <source>You have played for %1 minutes.</source>
        <translation>Giochi da %1 minuti.</translation>
    </message>
    <message>
        <source>You are even.</source>
        <extracomment>The session has won as many credits as it has lost</extracomment>
        <translation>Sei in pari.</translation>
    </message>
    <message>
        <source>You have won %1 credit.</source>
        <translation>Hai vinto %1 credito.</translation>
    </message>
    <message>
        <source>You have won %1 credits.</source>
        <translation>Hai vinto %1 crediti.</translation>
    </message>
    <message>
        <source>You have lost %1 credit.</source>
        <translation>Hai perso %1 credito.</translation>
    </message>
    <message>
        <source>You have lost %1 credits.</source>
        <translation>Hai perso %1 crediti.</translation>
    </message>
    <message>
        <source>Session %1</source>
        <extracomment>In the status bar: how long this session has lasted, as hours:minutes</extracomment>
        <translation>Sessione %1</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that reminds the player of the time and credits played</extracomment>
        <translation>Promemoria di gioco</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>Closes the play reminder; autoplay, if it runs, goes on</extracomment>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>&amp;Stop Autoplay</source>
        <translation>&amp;Ferma Autoplay</translation>
    </message>
</context>
<context>
    <name>ReturnText</name>
    <message>
        <source>1 line × 1 credit</source>
        <translation>1 linea × 1 credito</translation>
    </message>
    <message>
        <source>1 line × %1 credits</source>
        <translation>1 linea × %1 crediti</translation>
    </message>
    <message>
        <source>%1 lines × 1 credit</source>
        <translation>%1 linee × 1 credito</translation>
    </message>
    <message>
        <source>%1 lines × %2 credits</source>
        <translation>%1 linee × %2 crediti</translation>
    </message>
    <message>
        <source>not estimated</source>
        <extracomment>The bonus game&apos;s share of the return, when no simulation gives it for this bet.</extracomment>
        <translation>non stimato</translation>
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
        <translation>%1 giochi simulati</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Rendimento con %1: gioco base %2 (esatto)</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact), bonus %3 (estimated from %4)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;, %3 an estimate, &quot;≈ 65.90% ± 0.01%&quot;, %4 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Rendimento con %1: gioco base %2 (esatto), bonus %3 (stimato su %4)</translation>
    </message>
</context>
<context>
    <name>SdlAudio</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be opened; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot play file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be played; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Impossibile riprodurre il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot play music: no file name was given.</source>
        <translation>Impossibile riprodurre la musica: non è stato indicato alcun nome di file.</translation>
    </message>
    <message>
        <source>It is not a Standard MIDI File.</source>
        <extracomment>Why a music file cannot be played</extracomment>
        <translation>Non è un file Standard MIDI.</translation>
    </message>
    <message>
        <source>Cannot open the audio device. %1</source>
        <extracomment>%1 is the sound system&apos;s reason, in English</extracomment>
        <translation>Impossibile aprire il dispositivo audio. %1</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <extracomment>Read by screen readers: the box that holds a saved game&apos;s name.</extracomment>
        <translation>Nome dello slot %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A slot&apos;s own button, which saves or opens the game in it: keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save in slot %1</source>
        <translation>Salva nello slot %1</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Apri lo slot %1</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Salva partita -- Scegli uno slot</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Apri partita -- Scegli uno slot</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits, &quot;1000 Credits&quot;.</extracomment>
        <translation>%1 Crediti</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s borrowed credits, &quot;0 Borrowed&quot;.</extracomment>
        <translation>%1 In prestito</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nome di questa partita salvata?</translation>
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
        <translation>un simbolo %1</translation>
    </message>
    <message>
        <source>two %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>due %1</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>tre %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>quattro %1</translation>
    </message>
    <message>
        <source>five %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>cinque %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the count, %2 the symbol&apos;s name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Line %1: %2 pays %3</source>
        <extracomment>A screen reader&apos;s report of a paid line; %1 is the payline, %2 what it shows (&quot;three Elephants&quot;), %3 what it pays</extracomment>
        <translation>Linea %1: %2, vincita %3</translation>
    </message>
    <message>
        <source>%1 balls pay %2 and win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 palline pagano %2 e avviano il gioco bonus</translation>
    </message>
    <message>
        <source>%1 balls pay %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 palline pagano %2</translation>
    </message>
    <message>
        <source>%1 balls win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls</extracomment>
        <translation>%1 palline avviano il gioco bonus</translation>
    </message>
    <message>
        <source>game paid %1</source>
        <translation>vincita totale %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Nessuna vincita</translation>
    </message>
    <message>
        <source>Call %1: %2 %3</source>
        <extracomment>A screen reader&apos;s report of a bonus call; %1 is the call&apos;s number, %2 %3 the ball (&quot;B 7&quot;)</extracomment>
        <translation>Estrazione %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 on your card pays %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the pattern, %2 what it pays</extracomment>
        <translation>%1 sulla tua cartella paga %2</translation>
    </message>
    <message>
        <source>%1 on card %2 pays %3</source>
        <translation>%1 sulla cartella %2 paga %3</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Statistiche della partita</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Giri:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crediti:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>In prestito:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Puntate totali:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Vincite:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normali:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Payout complessivo (%):</translation>
    </message>
    <message>
        <source>Credits over the Last Spins:</source>
        <translation>Crediti negli ultimi giri:</translation>
    </message>
    <message>
        <source>Credits after the Last Spin:</source>
        <translation>Crediti dopo l&apos;ultimo giro:</translation>
    </message>
    <message>
        <source>Credits over the Last %1 Spins:</source>
        <translation>Crediti negli ultimi %1 giri:</translation>
    </message>
    <message>
        <source>Theoretical Payoff Percentage:</source>
        <translation>Payout teorico (%):</translation>
    </message>
    <message>
        <source>Base Game (exact):</source>
        <translation>Gioco base (esatto):</translation>
    </message>
    <message>
        <source>Bonus (estimated):</source>
        <translation>Bonus (stimato):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is estimated from %2, ± one standard error.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;; %2 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Con %1, su moltissimi giri. La quota del gioco base deriva esattamente dalle regole; quella del gioco bonus è stimata su %2, ± un errore standard.</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is not estimated for this bet.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Con %1, su moltissimi giri. La quota del gioco base deriva esattamente dalle regole; quella del gioco bonus non è stimata per questa puntata.</translation>
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
        <translation>%1 in [%2]</translation>
    </message>
    <message>
        <source>The game file %1 is not a regular file and was not read.</source>
        <translation>Il file di gioco %1 non è un file regolare e non è stato letto.</translation>
    </message>
    <message>
        <source>The game file %1 is larger than %2 MiB and was not read.</source>
        <translation>Il file di gioco %1 supera i %2 MiB e non è stato letto.</translation>
    </message>
    <message>
        <source>The game file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file di gioco %1: %2.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file dello storico %1: %2.</translation>
    </message>
    <message>
        <source>There is no data directory to keep it in.</source>
        <translation>Non c&apos;è una directory dei dati in cui conservarlo.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file dello storico %1: %2.</translation>
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
        <translation>Alcuni valori del file di gioco %1 non si possono leggere (%2) e vengono usati quelli di una nuova partita. Una copia del file com&apos;era a un avvio precedente è conservata in %3.</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. The file as it was is kept in %3.</source>
        <translation>Alcuni valori del file di gioco %1 non si possono leggere (%2) e vengono usati quelli di una nuova partita. Il file com&apos;era è conservato in %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2. The game goes on, but it cannot be kept.</source>
        <translation>Impossibile scrivere nella cartella %1: %2. Il gioco prosegue, ma la partita non può essere conservata.</translation>
    </message>
    <message>
        <source>No home directory to keep the game file in</source>
        <translation>Nessuna directory home in cui conservare il file di gioco</translation>
    </message>
    <message>
        <source>Unable to write to %1
%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason on a line of its own; keep the line break.</extracomment>
        <translation>Impossibile scrivere in %1
%2</translation>
    </message>
    <message>
        <source>It is a directory</source>
        <extracomment>Why a file cannot be read: the name is a folder&apos;s.</extracomment>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Why a file cannot be read: the name is a device&apos;s, a pipe&apos;s or a socket&apos;s.</extracomment>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <extracomment>Why a file cannot be read; %1 is a number of mebibytes.</extracomment>
        <translation>Supera i %1 MiB</translation>
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
        <translation>Pallina B</translation>
    </message>
    <message>
        <source>I ball</source>
        <translation>Pallina I</translation>
    </message>
    <message>
        <source>N ball</source>
        <translation>Pallina N</translation>
    </message>
    <message>
        <source>G ball</source>
        <translation>Pallina G</translation>
    </message>
    <message>
        <source>O ball</source>
        <translation>Pallina O</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Biglietti</translation>
    </message>
    <message>
        <source>Cage</source>
        <translation>Urna</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Doll</source>
        <translation>Bambola</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Daubers</source>
        <translation>Marcatori</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Sacchetto</translation>
    </message>
    <message>
        <source>Wilds</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>B balls</source>
        <translation>Palline B</translation>
    </message>
    <message>
        <source>I balls</source>
        <translation>Palline I</translation>
    </message>
    <message>
        <source>N balls</source>
        <translation>Palline N</translation>
    </message>
    <message>
        <source>G balls</source>
        <translation>Palline G</translation>
    </message>
    <message>
        <source>O balls</source>
        <translation>Palline O</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Cages</source>
        <translation>Urne</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Assi</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Fanti</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Bambole</translation>
    </message>
    <message>
        <source>Elephants</source>
        <translation>Elefanti</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>Sacchetti</translation>
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
        <translation>&amp;Effetti sonori:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Musica:</translation>
    </message>
</context>
</TS>
