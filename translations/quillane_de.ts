<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AudioModule</name>
    <message>
        <source>The game&apos;s sound module cannot be loaded. %1</source>
        <extracomment>%1 is the system&apos;s reason, in English, or empty</extracomment>
        <translation>Das Tonmodul des Spiels kann nicht geladen werden. %1</translation>
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
        <translation>Spins zum aktuellen Einsatz:</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Stopp:</translation>
    </message>
    <message>
        <source>When a &amp;bonus game starts</source>
        <translation>Wenn ein &amp;Bonusspiel beginnt</translation>
    </message>
    <message>
        <source>When a single &amp;win is at least</source>
        <translation>Wenn ein Einzel&amp;gewinn mindestens</translation>
    </message>
    <message>
        <source>When the &amp;credits fall below</source>
        <translation>Wenn die &amp;Credits unter</translation>
    </message>
    <message>
        <source>Autoplay also stops when the bet can no longer be placed; it never borrows. Any key or click stops it.</source>
        <translation>Autoplay stoppt auch, wenn der Einsatz nicht mehr gesetzt werden kann; es leiht nie. Jede Taste und jeder Klick stoppt es.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>In bonus &amp;games:</source>
        <translation>I&amp;n Bonusspielen:</translation>
    </message>
    <message>
        <source>let me choose</source>
        <extracomment>In the autoplay window: autoplay waits for the player to choose the bonus game&apos;s card</extracomment>
        <translation>selbst wählen</translation>
    </message>
    <message>
        <source>my last card</source>
        <extracomment>In the autoplay window: autoplay plays the card the player chose by hand the last time</extracomment>
        <translation>meine letzte Karte</translation>
    </message>
    <message>
        <source>a random card</source>
        <extracomment>In the autoplay window: autoplay plays one of the five cards, drawn at random</extracomment>
        <translation>eine zufällige Karte</translation>
    </message>
    <message>
        <source>When the run has &amp;lost at least</source>
        <translation>Wenn der &amp;Verlust des Laufs mindestens</translation>
    </message>
    <message>
        <source>When the run has w&amp;on at least</source>
        <translation>Wenn der Ge&amp;winn des Laufs mindestens</translation>
    </message>
    <message>
        <source>The choice for bonus games applies when autoplay does not stop for them. What the run has won or lost counts from its start, bonus wins included and borrowing left aside.</source>
        <translation>Die Wahl für Bonusspiele gilt, wenn Autoplay für sie nicht stoppt. Was der Lauf gewonnen oder verloren hat, zählt ab seinem Start, mit Bonusgewinnen und ohne Geliehenes.</translation>
    </message>
</context>
<context>
    <name>AutoplayText</name>
    <message>
        <source>Autoplay: 1 spin left</source>
        <extracomment>In the message strip while autoplay runs; keep it short.</extracomment>
        <translation>Autoplay: noch 1 Spin</translation>
    </message>
    <message>
        <source>Autoplay: %1 spins left</source>
        <extracomment>In the message strip while autoplay runs, %1 spins; keep it short.</extracomment>
        <translation>Autoplay: noch %1 Spins</translation>
    </message>
    <message>
        <source>Autoplay finished</source>
        <translation>Autoplay beendet</translation>
    </message>
    <message>
        <source>Autoplay stopped for the bonus game</source>
        <translation>Autoplay für das Bonusspiel gestoppt</translation>
    </message>
    <message>
        <source>Autoplay stopped on a big win</source>
        <translation>Autoplay bei großem Gewinn gestoppt</translation>
    </message>
    <message>
        <source>Autoplay stopped: credits low</source>
        <translation>Autoplay gestoppt: Credits knapp</translation>
    </message>
    <message>
        <source>Autoplay stopped: the bet cannot be placed</source>
        <translation>Autoplay gestoppt: Einsatz nicht möglich</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Autoplay gestoppt</translation>
    </message>
    <message>
        <source>Autoplay stopped: loss limit reached</source>
        <extracomment>In the message strip: the autoplay run lost as much as the player allowed</extracomment>
        <translation>Autoplay gestoppt: Verlustgrenze erreicht</translation>
    </message>
    <message>
        <source>Autoplay stopped: win limit reached</source>
        <extracomment>In the message strip: the autoplay run won as much as the player asked for</extracomment>
        <translation>Autoplay gestoppt: Gewinngrenze erreicht</translation>
    </message>
</context>
<context>
    <name>BonusGameWindow</name>
    <message>
        <source>Bingo Bonus Game</source>
        <extracomment>The bonus game window&apos;s title</extracomment>
        <translation>Bingo-Bonusspiel</translation>
    </message>
    <message>
        <source>Pays %1</source>
        <extracomment>Bonus game caption under a pattern, in a small box; %1 is what the pattern pays</extracomment>
        <translation>Auszahlung %1</translation>
    </message>
    <message>
        <source>Numbers
Called</source>
        <extracomment>Bonus game caption over the count of balls called, on two short lines</extracomment>
        <translation>Gezogene
Zahlen</translation>
    </message>
    <message>
        <source>You chose card %1</source>
        <extracomment>Told to a screen reader; %1 is the card&apos;s number, 1 to 5</extracomment>
        <translation>Ihre Wahl: Karte %1</translation>
    </message>
    <message>
        <source>Click Monitor for Normal Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls at normal pace</extracomment>
        <translation>Monitor anklicken: Normalspiel</translation>
    </message>
    <message>
        <source>Click Monitor for Quick Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls the balls quickly</extracomment>
        <translation>Monitor anklicken: Schnellspiel</translation>
    </message>
    <message>
        <source>; the bonus game pays %1</source>
        <extracomment>Told to a screen reader after the call that ended the bonus game; %1 is what the game paid. Follows the call&apos;s report after a semicolon</extracomment>
        <translation>; das Bonusspiel zahlt %1</translation>
    </message>
    <message>
        <source>Your Card</source>
        <extracomment>Bonus game caption over the card the player chose: keep it short</extracomment>
        <translation>Ihre Karte</translation>
    </message>
    <message>
        <source>Select Your Card</source>
        <extracomment>Bonus game caption, flashing until the player picks a card: keep it short</extracomment>
        <translation>Karte wählen</translation>
    </message>
    <message>
        <source>Numbers Called</source>
        <extracomment>Bonus game caption over the count of balls called</extracomment>
        <translation>Gezogene Zahlen</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <extracomment>Bonus game caption beside the blackout jackpot: keep it short</extracomment>
        <translation>Full-House-Bonus</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, 1 to 5</extracomment>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Card %1, your card: %2</source>
        <extracomment>The player&apos;s bonus card as a screen reader names it; %1 its number, %2 its score</extracomment>
        <translation>Karte %1, Ihre Karte: %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, %2 its score</extracomment>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Monitor: quick play</source>
        <extracomment>The bonus game&apos;s monitor as a screen reader names it; checked while quick play is on</extracomment>
        <translation>Monitor: Schnellspiel</translation>
    </message>
    <message>
        <source>Call board: no call yet</source>
        <extracomment>The bonus game&apos;s board of called balls, before any call</extracomment>
        <translation>Zahlentafel: noch keine Ziehung</translation>
    </message>
    <message>
        <source>Call board: call %1, %2</source>
        <translation>Zahlentafel: Ziehung %1, %2</translation>
    </message>
    <message>
        <source>Calls made: %1</source>
        <extracomment>%1 is the number of balls called so far</extracomment>
        <translation>Ziehungen: %1</translation>
    </message>
    <message>
        <source>Blackout bonus now: %1</source>
        <extracomment>%1 is the blackout jackpot as it stands, in credits</extracomment>
        <translation>Full-House-Bonus jetzt: %1</translation>
    </message>
    <message>
        <source>%1: won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: gewonnen</translation>
    </message>
    <message>
        <source>%1: not won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: nicht gewonnen</translation>
    </message>
</context>
<context>
    <name>BorrowWindow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Hier können Sie Credits leihen oder zurückzahlen</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>An amount button&apos;s tooltip and name for screen readers, &quot;1,000 credits&quot;.</extracomment>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>Caption of the choice between borrowing and paying back.</extracomment>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Credits zurückzahlen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The borrow window&apos;s Help: &quot;borrow&quot; and &quot;pay back&quot; are its two modes, Borrow Credits and Pay Back Credits.</extracomment>
        <translation>Hier können Sie Credits leihen oder früher geliehene Credits zurückzahlen. Klicken Sie auf den Knopf mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.<byte value="xd"/>
<byte value="xd"/>
Um zwischen „leihen“ und „zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Caption over the meter of the credits borrowed.</extracomment>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Caption over the meter of the player&apos;s credits.</extracomment>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed: %1. Credits: %2.</source>
        <translation>Geliehen: %1. Credits: %2.</translation>
    </message>
</context>
<context>
    <name>CabinetElements</name>
    <message>
        <source>%1 — spins at once</source>
        <extracomment>A credits key as a screen reader names it; %1 is its caption (&quot;2 Credits&quot;)</extracomment>
        <translation>%1 – dreht sofort</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A meter as a screen reader names it; %1 is its caption (&quot;Credits&quot;), %2 its figure</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reel</source>
        <extracomment>A reel window&apos;s column as a screen reader names it</extracomment>
        <translation>Walze</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>A reel window&apos;s row as a screen reader names it</extracomment>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>The reel window as a screen reader names it</extracomment>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Turning</source>
        <extracomment>A reel cell&apos;s name while the reels turn</extracomment>
        <translation>Dreht sich</translation>
    </message>
    <message>
        <source>Payline %1: played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Gewinnlinie %1: gespielt</translation>
    </message>
    <message>
        <source>Payline %1: not played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Gewinnlinie %1: nicht gespielt</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The Spin button as a screen reader names it</extracomment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The Bet Max button as a screen reader names it</extracomment>
        <translation>Max Bet</translation>
    </message>
    <message>
        <source>Insert Coins — borrow credits</source>
        <extracomment>The coin slot as a screen reader names it</extracomment>
        <translation>Münzen einwerfen – Credits leihen</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Winnings</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Credits</translation>
    </message>
</context>
<context>
    <name>CabinetKeyTips</name>
    <message>
        <source>%1 — plays 1 payline from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;1 Payline&quot;)</extracomment>
        <translation>%1 — spielt ab dem nächsten Spin 1 Linie. Die Taste dreht nicht; auch die Pfeiltasten Links und Rechts wählen die Linien.</translation>
    </message>
    <message>
        <source>%1 — plays %2 paylines from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;5 Paylines&quot;), %2 the lines</extracomment>
        <translation>%1 — spielt ab dem nächsten Spin %2 Linien. Die Taste dreht nicht; auch die Pfeiltasten Links und Rechts wählen die Linien.</translation>
    </message>
    <message>
        <source>%1 — spins now with 1 credit per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;1 Credit&quot;)</extracomment>
        <translation>%1 — dreht sofort mit 1 Credit pro Linie. Um die Credits ohne Drehen zu wählen, nehmen Sie die Pfeiltasten Auf und Ab.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;2 Credits&quot;), %2 the credits</extracomment>
        <translation>%1 — dreht sofort mit %2 Credits pro Linie. Um die Credits ohne Drehen zu wählen, nehmen Sie die Pfeiltasten Auf und Ab.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits on each of %3 lines, %4 credits in all, when you have that many. Key: M.</source>
        <extracomment>The Bet Max button&apos;s tooltip; %1 is its name, %2 the credits per line, %3 the lines, %4 the whole bet</extracomment>
        <translation>%1 — dreht sofort mit %2 Credits auf jeder der %3 Linien, %4 Credits insgesamt, wenn Sie so viele haben. Taste: M.</translation>
    </message>
    <message>
        <source>%1 — spins with the bet the keys show. Keys: Enter or Space.</source>
        <extracomment>The Spin button&apos;s tooltip; %1 is its name</extracomment>
        <translation>%1 — dreht mit dem Einsatz, den die Tasten zeigen. Tasten: Enter oder Leertaste.</translation>
    </message>
    <message>
        <source>%1 — a click here does nothing: borrow credits from the Borrow menu, or press Tab until the slot is ringed, then Enter.</source>
        <extracomment>The coin slot&apos;s tooltip; %1 is its caption</extracomment>
        <translation>%1 — ein Klick hier bewirkt nichts: Leihen Sie Credits über das Menü Leihen, oder drücken Sie Tab, bis der Schlitz umrandet ist, dann Enter.</translation>
    </message>
</context>
<context>
    <name>CabinetPainter</name>
    <message>
        <source>ENTER = SPIN  M = MAX</source>
        <extracomment>The keys&apos; hint beneath the bet keys, painted in a small box: keep it short</extracomment>
        <translation>ENTER = DREHEN  M = MAX</translation>
    </message>
    <message>
        <source>Oops, I did it again! (%1)</source>
        <translation>Hoppla, schon wieder! (%1)</translation>
    </message>
    <message>
        <source> Coins: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the coins bet; keep it short</extracomment>
        <translation> Einsatz: </translation>
    </message>
    <message>
        <source> Winnings: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the last spin&apos;s winnings; keep it short</extracomment>
        <translation> Gewinn: </translation>
    </message>
    <message>
        <source> Credits: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the player&apos;s credits; keep it short</extracomment>
        <translation> Credits: </translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Painted on the coin slot&apos;s small red window, over &quot;Coins&quot;: keep it very short</extracomment>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Painted on the coin slot&apos;s plate, under &quot;Insert&quot;: keep it very short</extracomment>
        <translation>einwerfen</translation>
    </message>
    <message>
        <source>Bonus Game Paid %1</source>
        <translation>Bonusgewinn %1</translation>
    </message>
    <message>
        <source>Play the Bonus Game</source>
        <extracomment>In the message strip when the spin won the bonus game</extracomment>
        <translation>Auf zum Bonusspiel</translation>
    </message>
    <message>
        <source>Scatter paid %1</source>
        <extracomment>In the message strip; %1 is what the scatter balls paid</extracomment>
        <translation>Scatter-Gewinn %1</translation>
    </message>
    <message>
        <source>Line paid %1</source>
        <extracomment>In the message strip, in the payline&apos;s colour; %1 is what the line paid</extracomment>
        <translation>Liniengewinn %1</translation>
    </message>
    <message>
        <source>Game paid %1</source>
        <extracomment>In the message strip; %1 is what the whole spin paid</extracomment>
        <translation>Gesamtgewinn %1</translation>
    </message>
    <message>
        <source>1 Payline</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Linie</translation>
    </message>
    <message>
        <source>3 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Linien</translation>
    </message>
    <message>
        <source>5 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Linien</translation>
    </message>
    <message>
        <source>7 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>7 Linien</translation>
    </message>
    <message>
        <source>9 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>9 Linien</translation>
    </message>
    <message>
        <source>1 Credit</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Credit</translation>
    </message>
    <message>
        <source>2 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>2 Credits</translation>
    </message>
    <message>
        <source>3 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Credits</translation>
    </message>
    <message>
        <source>5 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Credits</translation>
    </message>
    <message>
        <source>10 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>10 Credits</translation>
    </message>
</context>
<context>
    <name>CabinetPictures</name>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5 or taller.</source>
        <extracomment>%1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs</extracomment>
        <translation>Das Bild „%1“ kann nicht verwendet werden: Es ist %2 × %3 Pixel groß, das Spiel braucht %4 × %5 oder höher.</translation>
    </message>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5.</source>
        <translation>Das Bild „%1“ kann nicht verwendet werden: Es ist %2 × %3 Pixel groß, das Spiel braucht %4 × %5.</translation>
    </message>
</context>
<context>
    <name>CabinetWindow</name>
    <message>
        <source>The game was not stored: %1</source>
        <extracomment>In the message strip; %1 is why the game file could not be written</extracomment>
        <translation>Das Spiel wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the game plays silently.</source>
        <translation>Es wurde kein Audiogerät gefunden: Das Spiel läuft ohne Ton.</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <extracomment>The cabinet as a screen reader names it</extracomment>
        <translation>Automat</translation>
    </message>
    <message>
        <source>%1

The game was not stored. Quit without saving it?</source>
        <translation>%1

Das Spiel wurde nicht gespeichert. Ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>There is no game file to keep this game in. Quit without saving it?</source>
        <translation>Es gibt keine Spieldatei, in der dieses Spiel aufbewahrt werden kann. Ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>Stop &amp;Autoplay</source>
        <extracomment>Menu item: ends the autoplay run under way</extracomment>
        <translation>&amp;Autoplay stoppen</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>&amp;Autoplay…</translation>
    </message>
    <message>
        <source>Bonus game paid %1; game paid %2</source>
        <extracomment>Told to a screen reader once the bonus game is over</extracomment>
        <translation>Bonusgewinn %1; Gesamtgewinn %2</translation>
    </message>
    <message>
        <source>&amp;More Lines</source>
        <extracomment>Menu item: plays one more payline</extracomment>
        <translation>&amp;Mehr Linien</translation>
    </message>
    <message>
        <source>&amp;Fewer Lines</source>
        <extracomment>Menu item: plays one payline fewer</extracomment>
        <translation>&amp;Weniger Linien</translation>
    </message>
    <message>
        <source>More &amp;Credits per Line</source>
        <extracomment>Menu item: bets more credits on each payline</extracomment>
        <translation>Mehr &amp;Credits pro Linie</translation>
    </message>
    <message>
        <source>Fewer C&amp;redits per Line</source>
        <extracomment>Menu item: bets fewer credits on each payline</extracomment>
        <translation>Weniger C&amp;redits pro Linie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>Menu item: starts a new game</extracomment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <extracomment>Menu item: opens a game kept in a slot</extracomment>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <extracomment>Menu item: keeps the game in a slot</extracomment>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Menu item, checked while sound effects play</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Menu item, checked while music plays</extracomment>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Volume…</source>
        <extracomment>Menu item: opens the volume window</extracomment>
        <translation>Lautstärke…</translation>
    </message>
    <message>
        <source>&amp;Quick Play</source>
        <extracomment>Menu item, checked while the game plays quickly</extracomment>
        <translation>&amp;Schnellspiel</translation>
    </message>
    <message>
        <source>Re&amp;duce Motion</source>
        <extracomment>Menu item, checked while the reels and pay-outs move less</extracomment>
        <translation>&amp;Bewegung reduzieren</translation>
    </message>
    <message>
        <source>Line &amp;Patterns</source>
        <extracomment>Menu item, checked while each payline is drawn in a pattern of its own</extracomment>
        <translation>&amp;Linienmuster</translation>
    </message>
    <message>
        <source>High Co&amp;ntrast</source>
        <extracomment>Menu item, checked while the captions are drawn in high contrast</extracomment>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <extracomment>Menu item: opens the window that chooses the interface&apos;s language</extracomment>
        <translation>S&amp;prache…</translation>
    </message>
    <message>
        <source>Game &amp;History…</source>
        <extracomment>Menu item: opens the list of the last spins</extracomment>
        <translation>Spiel&amp;verlauf…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar item: borrows credits</extracomment>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <extracomment>Menu bar item: shows the game&apos;s statistics</extracomment>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar item: shows the pay table</extracomment>
        <translation>&amp;Gewinne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Menu item: shows the program&apos;s name and version</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <extracomment>Menu item: opens the manual; %1 is the game&apos;s name</extracomment>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>%1-&amp;Handbuch</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</source>
        <extracomment>The Version box; %1 is the game&apos;s name, %2 its version. Keep the line breaks.</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</translation>
    </message>
    <message>
        <source>Remember My &amp;Bet</source>
        <extracomment>Menu item, checked while the bet is kept for the next time the game starts</extracomment>
        <translation>Meinen Einsa&amp;tz merken</translation>
    </message>
    <message>
        <source>Play Rem&amp;inder…</source>
        <extracomment>Menu item: opens the window that sets how often the game tells the time and credits played</extracomment>
        <translation>Spiel&amp;erinnerung…</translation>
    </message>
    <message>
        <source>The spin count has reached its limit; the statistics stop counting.</source>
        <translation>Die Zahl der Spins hat ihre Grenze erreicht; die Statistik zählt nicht mehr weiter.</translation>
    </message>
    <message>
        <source>The total bets have reached their limit; the statistics stop counting.</source>
        <translation>Die Summe der Einsätze hat ihre Grenze erreicht; die Statistik zählt nicht mehr weiter.</translation>
    </message>
    <message>
        <source>The bonus total has reached its limit; the statistics stop counting.</source>
        <translation>Die Summe der Bonusgewinne hat ihre Grenze erreicht; die Statistik zählt nicht mehr weiter.</translation>
    </message>
    <message>
        <source>Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.</source>
        <extracomment>In the message strip once, at the first start: the cabinet&apos;s keys. Keep it short</extracomment>
        <translation>Tasten: Enter dreht, M setzt maximal, die Pfeile wählen den Einsatz, F1 öffnet das Handbuch.</translation>
    </message>
    <message>
        <source>Credits are at their limit; 1 credit of this win could not be paid.</source>
        <extracomment>In the message strip when the credits cannot take all of a win</extracomment>
        <translation>Die Credits sind an ihrer Grenze; 1 Credit dieses Gewinns konnte nicht ausgezahlt werden.</translation>
    </message>
    <message>
        <source>Credits are at their limit; %1 credits of this win could not be paid.</source>
        <translation>Die Credits sind an ihrer Grenze; %1 Credits dieses Gewinns konnten nicht ausgezahlt werden.</translation>
    </message>
</context>
<context>
    <name>CardColours</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The colour of a bonus card the history does not know.</extracomment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ChartRows</name>
    <message>
        <source>%1 pays %2</source>
        <extracomment>A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay</extracomment>
        <translation>%1 in Folge: %2</translation>
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
        <translation>%1 zahlen %2</translation>
    </message>
    <message>
        <source>Scatter balls, times the total bet: %1</source>
        <extracomment>The scatter pays as a screen reader reads them; %1 is their list, &quot;5 pay 50, 4 pay 10&quot;</extracomment>
        <translation>Scatter-Kugeln, mal Gesamteinsatz: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: quillane [--help] [--version] [Qt options]
Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.
</source>
        <extracomment>The command line&apos;s help: how the program is started. Keep &quot;quillane&quot; and the options</extracomment>
        <translation>Aufruf: quillane [--help] [--version] [Qt-Optionen]
Quillane, ein Video-Slot mit fünf Walzen, neun Gewinnlinien und Full-House-Bingo als Bonusspiel.
</translation>
    </message>
    <message>
        <source>  -h, --help   print this help and leave
  --version    print the version and leave
</source>
        <extracomment>The command line&apos;s help: the options, aligned in two columns. Keep the option names</extracomment>
        <translation>  -h, --help   diese Hilfe ausgeben und beenden
  --version    die Version ausgeben und beenden
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform NAME or -style NAME, are also taken.
The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).
</source>
        <extracomment>The command line&apos;s help: where the game keeps its files. Keep the paths and names</extracomment>
        <translation>Die eigenen Optionen von Qt, etwa -platform NAME oder -style NAME, werden ebenfalls angenommen.
Das Spiel wird in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/) gespeichert.
Eigene Bilder, Klänge und Musik gehören nach $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 öffnet im Spiel das Handbuch; siehe auch quillane(6).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the argument given</extracomment>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>quillane: %1 (try --help)
</source>
        <extracomment>How a command line error is printed; %1 is the error. Keep &quot;quillane&quot; and &quot;--help&quot;</extracomment>
        <translation>quillane: %1 (siehe --help)
</translation>
    </message>
    <message>
        <source>quillane: cannot write the output: %1
</source>
        <extracomment>Printed when the help or the version could not be written, to a full disc or a closed pipe; %1 is the system&apos;s reason. Keep &quot;quillane&quot;</extracomment>
        <translation>quillane: die Ausgabe kann nicht geschrieben werden: %1
</translation>
    </message>
</context>
<context>
    <name>CreditsPlot</name>
    <message>
        <source>No spins yet</source>
        <extracomment>Written small across the empty plot of the credits.</extracomment>
        <translation>Noch keine Spins</translation>
    </message>
</context>
<context>
    <name>GameProgram</name>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>An error box&apos;s text when something unforeseen went wrong</extracomment>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Quillane is already running.</source>
        <extracomment>Shown when the player starts the game a second time</extracomment>
        <translation>Quillane läuft bereits.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual &quot;%1&quot; could not be found.</source>
        <extracomment>%1 is the manual&apos;s file</extracomment>
        <translation>Das Handbuch „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Reels: %1</source>
        <extracomment>Read by screen readers: a spin&apos;s symbols, row by row.</extracomment>
        <translation>Walzen: %1</translation>
    </message>
    <message>
        <source>Bet %1: 1 line at %2</source>
        <extracomment>A spin&apos;s bet: the credits bet, the paylines played and the credits on each line.</extracomment>
        <translation>Einsatz %1: 1 Linie zu %2</translation>
    </message>
    <message>
        <source>Bet %1: %2 lines at %3</source>
        <translation>Einsatz %1: %2 Linien zu %3</translation>
    </message>
    <message>
        <source>Credits after: %1</source>
        <translation>Credits danach: %1</translation>
    </message>
    <message>
        <source>Line %1: 1 symbol pays %2</source>
        <extracomment>A line win: the payline, how many symbols in a row and what they paid.</extracomment>
        <translation>Linie %1: 1 Symbol zahlt %2</translation>
    </message>
    <message>
        <source>Line %1: %2 symbols pay %3</source>
        <translation>Linie %1: %2 Symbole zahlen %3</translation>
    </message>
    <message>
        <source>Scatter: 1 ball pay %1</source>
        <extracomment>A scatter win: how many BINGO balls showed and what they paid.</extracomment>
        <translation>Scatter: 1 Kugel zahlt %1</translation>
    </message>
    <message>
        <source>Scatter: %1 balls pay %2</source>
        <translation>Scatter: %1 Kugeln zahlen %2</translation>
    </message>
    <message>
        <source>Balls: %1</source>
        <extracomment>BINGO balls that showed, too few to pay.</extracomment>
        <translation>Kugeln: %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Bonus game: %1 card, %2 calls</source>
        <extracomment>%1 is the colour of the card the player chose, %2 how many numbers were called.</extracomment>
        <translation>Bonusspiel: Karte %1, %2 Ziehungen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bingo pattern won and the credits it paid, &quot;Four Corners 20&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Patterns won: none</source>
        <extracomment>The list of patterns won, each with its pay, &quot;Four Corners 20, Big X 20&quot;.</extracomment>
        <translation>Gewonnene Muster: keine</translation>
    </message>
    <message>
        <source>Patterns won: %1</source>
        <translation>Gewonnene Muster: %1</translation>
    </message>
    <message>
        <source>Bonus paid: %1</source>
        <translation>Bonus ausgezahlt: %1</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Noch keine Spins in diesem Spiel.</translation>
    </message>
    <message>
        <source>The last spin of this game, newest first:</source>
        <translation>Der letzte Spin dieses Spiels:</translation>
    </message>
    <message>
        <source>The last %1 spins of this game, newest first:</source>
        <translation>Die letzten %1 Spins dieses Spiels, die neuesten zuerst:</translation>
    </message>
    <message>
        <source>The history is not being kept on disk. %1</source>
        <extracomment>%1 says why, as the game&apos;s storage reports it.</extracomment>
        <translation>Der Spielverlauf wird nicht auf dem Datenträger gespeichert. %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Picture needs more than %1 MiB to decode</source>
        <extracomment>Why a picture cannot be read; %1 is a number of mebibytes</extracomment>
        <translation>Das Bild braucht zum Dekodieren mehr als %1 MiB</translation>
    </message>
    <message>
        <source>Picture has more than %1 scans</source>
        <extracomment>Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken</extracomment>
        <translation>Das Bild hat mehr als %1 Scans</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>CMYK-Bilder werden nicht unterstützt</translation>
    </message>
    <message>
        <source>Picture too large: %1 x %2 pixels, more than %3 a side or %4 in all</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits</extracomment>
        <translation>Bild zu groß: %1 × %2 Pixel, mehr als %3 pro Seite oder %4 insgesamt</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size in pixels</extracomment>
        <translation>Nicht genug Speicher für ein Bild mit %1 × %2 Pixeln</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>Das Bild ist leer</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be read</extracomment>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Show Quillane in:</source>
        <translation>Sprache von Quillane:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <extracomment>The first choice of the language dialog; %1 is the desktop&apos;s language in its own words.</extracomment>
        <translation>Sprache des Desktops (%1)</translation>
    </message>
</context>
<context>
    <name>PatternNames</name>
    <message>
        <source>Large Plus</source>
        <translation>Großes Plus</translation>
    </message>
    <message>
        <source>Large X</source>
        <translation>Großes X</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Vier Ecken</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <translation>Innere Ecken</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Volle Raute</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <translation>Kleine Raute</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <translation>Große Raute</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Bilderrahmen</translation>
    </message>
    <message>
        <source>Small Frame</source>
        <translation>Kleiner Rahmen</translation>
    </message>
    <message>
        <source>Any Bingo</source>
        <translation>Beliebiges Bingo</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <translation>Doppelt ohne Freifeld</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Briefmarke</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <translation>Full-House-Bonus</translation>
    </message>
</context>
<context>
    <name>PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinnplan</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The payoff chart&apos;s button that closes it.</extracomment>
        <translation>Schließen</translation>
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
        <translation>Alle Gewinne gelten pro Münze
je Linie, außer Scatter-Gewinnen,
die vom Gesamteinsatz abhängen.
Linien zahlen nur von links.
Scatter gewinnen in jeder Position.
Wilds ersetzen jedes Symbol außer
den BINGO-Kugeln.</translation>
    </message>
    <message>
        <source>Collect a Scatter win by getting
three or more BINGO Balls on
the screen in any position.</source>
        <extracomment>Above the scatter pays on the payoff chart, in a narrow column of three lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Drei oder mehr BINGO-Kugeln an
beliebiger Stelle des Bildschirms
bringen einen Scatter-Gewinn.</translation>
    </message>
    <message>
        <source>Scatter wins start bonus game.</source>
        <extracomment>Below the scatter pays on the payoff chart, one short line.</extracomment>
        <translation>Scatter-Gewinne starten das Bonusspiel.</translation>
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
        <translation>Das Bingo-Bonusspiel wird gespielt, wenn bei einem Spin drei oder mehr Bingo-Kugeln auf dem Bildschirm erscheinen. Im Bonusspiel
wählen Sie eine der fünf Bingokarten. Dann wird Full-House-Bingo gespielt, bis eine oder mehrere Karten das Full House gewinnen.
Unterwegs lassen sich aber zwölf weitere Bingo-Varianten gewinnen. Jede gewonnene Variante zahlt das Vierfache Ihres letzten
Slot-Einsatzes (Gesamteinsatz). Das Full House kann mehr zahlen als die anderen Varianten, wenn es vor der 72. Kugel gewonnen wird.
Der Bonus kann bis zum 50.000-Fachen Ihres letzten Slot-Einsatzes betragen. Nach den ersten 24 Zahlen sinkt er mit jeder weiteren
gezogenen Zahl um 17,5 %. Die Karten markiert das Spiel automatisch. Lehnen Sie sich zurück und genießen Sie es. Und VIEL GLÜCK!</translation>
    </message>
    <message>
        <source>Blackout Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Full-House-Bingo</translation>
    </message>
    <message>
        <source>Any Way Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo jeder Art</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Briefmarke</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Vier Ecken</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Innere Ecken</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Doppelt ohne Freifeld</translation>
    </message>
    <message>
        <source>Inside Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Innere Raute</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Große Raute</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Volle Raute</translation>
    </message>
    <message>
        <source>Big Plus Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo Großes Plus</translation>
    </message>
    <message>
        <source>Big X Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo Großes X</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Innerer Rahmen</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bilderrahmen</translation>
    </message>
    <message>
        <source>BINGO Jackpot - Get all five BINGO Balls on a Payline</source>
        <extracomment>The payoff chart&apos;s heading over the five BINGO balls, on one line.</extracomment>
        <translation>BINGO-Jackpot – alle fünf BINGO-Kugeln auf einer Gewinnlinie</translation>
    </message>
    <message>
        <source>Pays %1 X Coins Per Line Bet</source>
        <extracomment>Under the five BINGO balls on the payoff chart, on one line.</extracomment>
        <translation>Zahlt %1 Münzen pro gesetzter Münze auf der Linie</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Es wurde kein Einsatz gesetzt!</translation>
    </message>
    <message>
        <source>You have %1, but you tried to bet %2 credits.  You cannot bet more credits than you have.  Borrow some credits or place a smaller bet.</source>
        <translation>Sie haben %1, wollten aber %2 Credits setzen. Sie können nicht mehr Credits setzen, als Sie haben. Leihen Sie Credits oder setzen Sie weniger.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
    </message>
    <message>
        <source>You cannot borrow %1 more credits: the credits and the borrowed credits cannot go past %2.</source>
        <translation>Sie können nicht noch %1 Credits leihen: Credits und geliehene Credits können %2 nicht übersteigen.</translation>
    </message>
    <message>
        <source>There is no game file to store the game in.</source>
        <translation>Es gibt keine Spieldatei, in der das Spiel gespeichert werden kann.</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that sets the play reminder</extracomment>
        <translation>Spielerinnerung</translation>
    </message>
    <message>
        <source>Remind me of the time played and the credits won or lost:</source>
        <translation>An die Spielzeit und die gewonnenen oder verlorenen Credits erinnern:</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <extracomment>The play reminder switched off</extracomment>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Alle %1 Minuten</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Erinnern durch:</translation>
    </message>
    <message>
        <source>A &amp;notice over the meters</source>
        <translation>einen &amp;Hinweis über den Anzeigen</translation>
    </message>
    <message>
        <source>A &amp;window that pauses autoplay</source>
        <translation>ein &amp;Fenster, das Autoplay anhält</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>You have played for %1 minute.</source>
        <translation>Sie spielen seit %1 Minute.</translation>
    </message>
    <message>
        <source>You have played for %1 minutes.</source>
        <translation>Sie spielen seit %1 Minuten.</translation>
    </message>
    <message>
        <source>You are even.</source>
        <extracomment>The session has won as many credits as it has lost</extracomment>
        <translation>Sie sind ausgeglichen.</translation>
    </message>
    <message>
        <source>You have won %1 credit.</source>
        <translation>Sie haben %1 Credit gewonnen.</translation>
    </message>
    <message>
        <source>You have won %1 credits.</source>
        <translation>Sie haben %1 Credits gewonnen.</translation>
    </message>
    <message>
        <source>You have lost %1 credit.</source>
        <translation>Sie haben %1 Credit verloren.</translation>
    </message>
    <message>
        <source>You have lost %1 credits.</source>
        <translation>Sie haben %1 Credits verloren.</translation>
    </message>
    <message>
        <source>Session %1</source>
        <extracomment>In the status bar: how long this session has lasted, as hours:minutes</extracomment>
        <translation>Sitzung %1</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that reminds the player of the time and credits played</extracomment>
        <translation>Spielerinnerung</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>Closes the play reminder; autoplay, if it runs, goes on</extracomment>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message>
        <source>&amp;Stop Autoplay</source>
        <translation>Autoplay &amp;stoppen</translation>
    </message>
</context>
<context>
    <name>ReturnText</name>
    <message>
        <source>1 line × 1 credit</source>
        <translation>1 Linie × 1 Credit</translation>
    </message>
    <message>
        <source>1 line × %1 credits</source>
        <translation>1 Linie × %1 Credits</translation>
    </message>
    <message>
        <source>%1 lines × 1 credit</source>
        <translation>%1 Linien × 1 Credit</translation>
    </message>
    <message>
        <source>%1 lines × %2 credits</source>
        <translation>%1 Linien × %2 Credits</translation>
    </message>
    <message>
        <source>not estimated</source>
        <extracomment>The bonus game&apos;s share of the return, when no simulation gives it for this bet.</extracomment>
        <translation>nicht geschätzt</translation>
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
        <translation>%1 simulierten Spielen</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Auszahlung bei %1: Grundspiel %2 (exakt)</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact), bonus %3 (estimated from %4)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;, %3 an estimate, &quot;≈ 65.90% ± 0.01%&quot;, %4 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Auszahlung bei %1: Grundspiel %2 (exakt), Bonus %3 (geschätzt aus %4)</translation>
    </message>
</context>
<context>
    <name>SdlAudio</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be opened; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot play file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be played; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Die Datei „%1“ kann nicht abgespielt werden. %2</translation>
    </message>
    <message>
        <source>Cannot play music: no file name was given.</source>
        <translation>Musik kann nicht abgespielt werden: Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>It is not a Standard MIDI File.</source>
        <extracomment>Why a music file cannot be played</extracomment>
        <translation>Das ist keine Standard-MIDI-Datei.</translation>
    </message>
    <message>
        <source>Cannot open the audio device. %1</source>
        <extracomment>%1 is the sound system&apos;s reason, in English</extracomment>
        <translation>Das Audiogerät kann nicht geöffnet werden. %1</translation>
    </message>
</context>
<context>
    <name>SlotDialog</name>
    <message>
        <source>MM/dd/yy</source>
        <extracomment>The Qt date format of a save slot&apos;s date (MM month, dd day, yy year), e.g. &quot;dd.MM.yy&quot;.</extracomment>
        <translation>dd.MM.yy</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <extracomment>Read by screen readers: the box that holds a saved game&apos;s name.</extracomment>
        <translation>Name von Speicherplatz %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A slot&apos;s own button, which saves or opens the game in it: keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save in slot %1</source>
        <translation>In Speicherplatz %1 speichern</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Speicherplatz %1 öffnen</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits, &quot;1000 Credits&quot;.</extracomment>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s borrowed credits, &quot;0 Borrowed&quot;.</extracomment>
        <translation>%1 Geliehen</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für diesen Spielstand?</translation>
    </message>
</context>
<context>
    <name>SpokenResults</name>
    <message>
        <source>no %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>keine %1</translation>
    </message>
    <message>
        <source>one %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>einmal %1</translation>
    </message>
    <message>
        <source>two %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>zwei %1</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>drei %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>vier %1</translation>
    </message>
    <message>
        <source>five %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>fünf %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the count, %2 the symbol&apos;s name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Line %1: %2 pays %3</source>
        <extracomment>A screen reader&apos;s report of a paid line; %1 is the payline, %2 what it shows (&quot;three Elephants&quot;), %3 what it pays</extracomment>
        <translation>Linie %1: %2, Gewinn %3</translation>
    </message>
    <message>
        <source>%1 balls pay %2 and win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 Kugeln zahlen %2 und gewinnen das Bonusspiel</translation>
    </message>
    <message>
        <source>%1 balls pay %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 Kugeln zahlen %2</translation>
    </message>
    <message>
        <source>%1 balls win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls</extracomment>
        <translation>%1 Kugeln gewinnen das Bonusspiel</translation>
    </message>
    <message>
        <source>game paid %1</source>
        <translation>Gesamtgewinn %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Call %1: %2 %3</source>
        <extracomment>A screen reader&apos;s report of a bonus call; %1 is the call&apos;s number, %2 %3 the ball (&quot;B 7&quot;)</extracomment>
        <translation>Ziehung %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 on your card pays %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the pattern, %2 what it pays</extracomment>
        <translation>%1 auf Ihrer Karte zahlt %2</translation>
    </message>
    <message>
        <source>%1 on card %2 pays %3</source>
        <translation>%1 auf Karte %2 zahlt %3</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Spins:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Gewinne:</translation>
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
        <translation>Auszahlungsquote gesamt:</translation>
    </message>
    <message>
        <source>Credits over the Last Spins:</source>
        <translation>Credits der letzten Spins:</translation>
    </message>
    <message>
        <source>Credits after the Last Spin:</source>
        <translation>Credits nach dem letzten Spin:</translation>
    </message>
    <message>
        <source>Credits over the Last %1 Spins:</source>
        <translation>Credits der letzten %1 Spins:</translation>
    </message>
    <message>
        <source>Theoretical Payoff Percentage:</source>
        <translation>Theoretische Auszahlungsquote:</translation>
    </message>
    <message>
        <source>Base Game (exact):</source>
        <translation>Grundspiel (exakt):</translation>
    </message>
    <message>
        <source>Bonus (estimated):</source>
        <translation>Bonus (geschätzt):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is estimated from %2, ± one standard error.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;; %2 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Bei %1, über viele Spins. Der Anteil des Grundspiels folgt exakt aus den Regeln; der des Bonusspiels ist aus %2 geschätzt, ± ein Standardfehler.</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is not estimated for this bet.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Bei %1, über viele Spins. Der Anteil des Grundspiels folgt exakt aus den Regeln; der des Bonusspiels ist für diesen Einsatz nicht geschätzt.</translation>
    </message>
    <message>
        <source>%1 (limit)</source>
        <extracomment>A statistics counter that has stopped at its largest value; %1 is the value</extracomment>
        <translation>%1 (Grenze)</translation>
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
        <translation>Die Spieldatei %1 ist keine reguläre Datei und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The game file %1 is larger than %2 MiB and was not read.</source>
        <translation>Die Spieldatei %1 ist größer als %2 MiB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The game file %1 cannot be read: %2.</source>
        <translation>Die Spieldatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>Die Verlaufsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>There is no data directory to keep it in.</source>
        <translation>Es gibt kein Datenverzeichnis, in dem er aufbewahrt werden könnte.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2.</source>
        <translation>Die Verlaufsdatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A list and one item more.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, ...</source>
        <extracomment>The end of a list that goes on: %1 is the list.</extracomment>
        <translation>%1, …</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. A copy of the file as it was at an earlier start is kept in %3.</source>
        <translation>Einige Werte in der Spieldatei %1 können nicht gelesen werden (%2) und gelten wie bei einem neuen Spiel. Eine Kopie der Datei, wie sie bei einem früheren Start war, liegt in %3.</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. The file as it was is kept in %3.</source>
        <translation>Einige Werte in der Spieldatei %1 können nicht gelesen werden (%2) und gelten wie bei einem neuen Spiel. Die unveränderte Datei liegt in %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2. The game goes on, but it cannot be kept.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2. Das Spiel läuft weiter, kann aber nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No home directory to keep the game file in</source>
        <translation>Kein Home-Verzeichnis für die Spieldatei vorhanden</translation>
    </message>
    <message>
        <source>Unable to write to %1
%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason on a line of its own; keep the line break.</extracomment>
        <translation>%1 kann nicht geschrieben werden
%2</translation>
    </message>
    <message>
        <source>It is a directory</source>
        <extracomment>Why a file cannot be read: the name is a folder&apos;s.</extracomment>
        <translation>Es ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Why a file cannot be read: the name is a device&apos;s, a pipe&apos;s or a socket&apos;s.</extracomment>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <extracomment>Why a file cannot be read; %1 is a number of mebibytes.</extracomment>
        <translation>Es ist größer als %1 MiB</translation>
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
        <translation>B-Kugel</translation>
    </message>
    <message>
        <source>I ball</source>
        <translation>I-Kugel</translation>
    </message>
    <message>
        <source>N ball</source>
        <translation>N-Kugel</translation>
    </message>
    <message>
        <source>G ball</source>
        <translation>G-Kugel</translation>
    </message>
    <message>
        <source>O ball</source>
        <translation>O-Kugel</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Bingokarte</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Tickets</translation>
    </message>
    <message>
        <source>Cage</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Doll</source>
        <translation>Puppe</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Daubers</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Beutel</translation>
    </message>
    <message>
        <source>Wilds</source>
        <translation>Wilds</translation>
    </message>
    <message>
        <source>B balls</source>
        <translation>B-Kugeln</translation>
    </message>
    <message>
        <source>I balls</source>
        <translation>I-Kugeln</translation>
    </message>
    <message>
        <source>N balls</source>
        <translation>N-Kugeln</translation>
    </message>
    <message>
        <source>G balls</source>
        <translation>G-Kugeln</translation>
    </message>
    <message>
        <source>O balls</source>
        <translation>O-Kugeln</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Bingokarten</translation>
    </message>
    <message>
        <source>Cages</source>
        <translation>Trommeln</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Puppen</translation>
    </message>
    <message>
        <source>Elephants</source>
        <translation>Elefanten</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>Beutel</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <extracomment>The title of the window with the sound effects&apos; and the music&apos;s sliders.</extracomment>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Sound &amp;effects:</source>
        <translation>&amp;Soundeffekte:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Musik:</translation>
    </message>
</context>
</TS>
