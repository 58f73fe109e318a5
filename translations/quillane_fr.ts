<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AudioModule</name>
    <message>
        <source>The game&apos;s sound module cannot be loaded. %1</source>
        <extracomment>%1 is the system&apos;s reason, in English, or empty</extracomment>
        <translation>Le module sonore du jeu ne peut pas être chargé. %1</translation>
    </message>
</context>
<context>
    <name>AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <extracomment>The autoplay window&apos;s title.</extracomment>
        <translation>Jeu auto</translation>
    </message>
    <message>
        <source>Spins to play at the current bet:</source>
        <translation>Tours à jouer à la mise actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>When a &amp;bonus game starts</source>
        <translation>Au début d’un jeu &amp;bonus</translation>
    </message>
    <message>
        <source>When a single &amp;win is at least</source>
        <translation>Quand un &amp;gain atteint au moins</translation>
    </message>
    <message>
        <source>When the &amp;credits fall below</source>
        <translation>Quand les &amp;crédits passent sous</translation>
    </message>
    <message>
        <source>Autoplay also stops when the bet can no longer be placed; it never borrows. Any key or click stops it.</source>
        <translation>Le jeu auto s’arrête aussi quand la mise ne peut plus être placée&#xa0;; il n’emprunte jamais. N’importe quelle touche ou un clic l’arrête.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>In bonus &amp;games:</source>
        <translation>Dans les &amp;jeux bonus :</translation>
    </message>
    <message>
        <source>let me choose</source>
        <extracomment>In the autoplay window: autoplay waits for the player to choose the bonus game&apos;s card</extracomment>
        <translation>me laisser choisir</translation>
    </message>
    <message>
        <source>my last card</source>
        <extracomment>In the autoplay window: autoplay plays the card the player chose by hand the last time</extracomment>
        <translation>mon dernier carton</translation>
    </message>
    <message>
        <source>a random card</source>
        <extracomment>In the autoplay window: autoplay plays one of the five cards, drawn at random</extracomment>
        <translation>un carton au hasard</translation>
    </message>
    <message>
        <source>When the run has &amp;lost at least</source>
        <translation>Quand la série a &amp;perdu au moins</translation>
    </message>
    <message>
        <source>When the run has w&amp;on at least</source>
        <translation>Quand la série a gag&amp;né au moins</translation>
    </message>
    <message>
        <source>The choice for bonus games applies when autoplay does not stop for them. What the run has won or lost counts from its start, bonus wins included and borrowing left aside.</source>
        <translation>Le choix pour les jeux bonus s’applique quand le jeu auto ne s’arrête pas pour eux. Ce que la série a gagné ou perdu compte depuis son début, gains bonus compris et emprunts exclus.</translation>
    </message>
</context>
<context>
    <name>AutoplayText</name>
    <message>
        <source>Autoplay: 1 spin left</source>
        <extracomment>In the message strip while autoplay runs; keep it short.</extracomment>
        <translation>Jeu auto&#xa0;: 1 tour restant</translation>
    </message>
    <message>
        <source>Autoplay: %1 spins left</source>
        <extracomment>In the message strip while autoplay runs, %1 spins; keep it short.</extracomment>
        <translation>Jeu auto&#xa0;: %1 tours restants</translation>
    </message>
    <message>
        <source>Autoplay finished</source>
        <translation>Jeu auto terminé</translation>
    </message>
    <message>
        <source>Autoplay stopped for the bonus game</source>
        <translation>Jeu auto arrêté pour le jeu bonus</translation>
    </message>
    <message>
        <source>Autoplay stopped on a big win</source>
        <translation>Jeu auto arrêté sur un gros gain</translation>
    </message>
    <message>
        <source>Autoplay stopped: credits low</source>
        <translation>Jeu auto arrêté&#xa0;: crédits bas</translation>
    </message>
    <message>
        <source>Autoplay stopped: the bet cannot be placed</source>
        <translation>Jeu auto arrêté&#xa0;: la mise ne peut pas être placée</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Jeu auto arrêté</translation>
    </message>
    <message>
        <source>Autoplay stopped: loss limit reached</source>
        <extracomment>In the message strip: the autoplay run lost as much as the player allowed</extracomment>
        <translation>Jeu auto arrêté : limite de perte atteinte</translation>
    </message>
    <message>
        <source>Autoplay stopped: win limit reached</source>
        <extracomment>In the message strip: the autoplay run won as much as the player asked for</extracomment>
        <translation>Jeu auto arrêté : limite de gain atteinte</translation>
    </message>
</context>
<context>
    <name>BonusGameWindow</name>
    <message>
        <source>Bingo Bonus Game</source>
        <extracomment>The bonus game window&apos;s title</extracomment>
        <translation>Jeu bonus Bingo</translation>
    </message>
    <message>
        <source>Pays %1</source>
        <extracomment>Bonus game caption under a pattern, in a small box; %1 is what the pattern pays</extracomment>
        <translation>Paie %1</translation>
    </message>
    <message>
        <source>Numbers
Called</source>
        <extracomment>Bonus game caption over the count of balls called, on two short lines</extracomment>
        <translation>Numéros
tirés</translation>
    </message>
    <message>
        <source>You chose card %1</source>
        <extracomment>Told to a screen reader; %1 is the card&apos;s number, 1 to 5</extracomment>
        <translation>Vous avez choisi le carton %1</translation>
    </message>
    <message>
        <source>Click Monitor for Normal Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls at normal pace</extracomment>
        <translation>Cliquez sur l’écran&#xa0;: jeu normal</translation>
    </message>
    <message>
        <source>Click Monitor for Quick Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls the balls quickly</extracomment>
        <translation>Cliquez sur l’écran&#xa0;: jeu rapide</translation>
    </message>
    <message>
        <source>; the bonus game pays %1</source>
        <extracomment>Told to a screen reader after the call that ended the bonus game; %1 is what the game paid. Follows the call&apos;s report after a semicolon</extracomment>
        <translation>&#xa0;; le jeu bonus paie %1</translation>
    </message>
    <message>
        <source>Your Card</source>
        <extracomment>Bonus game caption over the card the player chose: keep it short</extracomment>
        <translation>Votre carton</translation>
    </message>
    <message>
        <source>Select Your Card</source>
        <extracomment>Bonus game caption, flashing until the player picks a card: keep it short</extracomment>
        <translation>Choisissez votre carton</translation>
    </message>
    <message>
        <source>Numbers Called</source>
        <extracomment>Bonus game caption over the count of balls called</extracomment>
        <translation>Numéros tirés</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <extracomment>Bonus game caption beside the blackout jackpot: keep it short</extracomment>
        <translation>Bonus carton plein</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, 1 to 5</extracomment>
        <translation>Carton %1</translation>
    </message>
    <message>
        <source>Card %1, your card: %2</source>
        <extracomment>The player&apos;s bonus card as a screen reader names it; %1 its number, %2 its score</extracomment>
        <translation>Carton %1, votre carton&#xa0;: %2</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, %2 its score</extracomment>
        <translation>Carton %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Monitor: quick play</source>
        <extracomment>The bonus game&apos;s monitor as a screen reader names it; checked while quick play is on</extracomment>
        <translation>Écran&#xa0;: jeu rapide</translation>
    </message>
    <message>
        <source>Call board: no call yet</source>
        <extracomment>The bonus game&apos;s board of called balls, before any call</extracomment>
        <translation>Tableau des tirages&#xa0;: aucun numéro tiré</translation>
    </message>
    <message>
        <source>Call board: call %1, %2</source>
        <translation>Tableau des tirages&#xa0;: tirage %1, %2</translation>
    </message>
    <message>
        <source>Calls made: %1</source>
        <extracomment>%1 is the number of balls called so far</extracomment>
        <translation>Numéros tirés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Blackout bonus now: %1</source>
        <extracomment>%1 is the blackout jackpot as it stands, in credits</extracomment>
        <translation>Bonus carton plein actuel&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1&#xa0;: gagné</translation>
    </message>
    <message>
        <source>%1: not won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1&#xa0;: non gagné</translation>
    </message>
</context>
<context>
    <name>BorrowWindow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Utilisez ce formulaire pour emprunter ou rembourser des crédits</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>An amount button&apos;s tooltip and name for screen readers, &quot;1,000 credits&quot;.</extracomment>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>Caption of the choice between borrowing and paying back.</extracomment>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter des crédits</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Rembourser des crédits</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The borrow window&apos;s Help: &quot;borrow&quot; and &quot;pay back&quot; are its two modes, Borrow Credits and Pay Back Credits.</extracomment>
        <translation>Utilisez cet écran pour emprunter des crédits ou rembourser des crédits empruntés auparavant. Cliquez sur le bouton du montant à emprunter (ou à rembourser).<byte value="xd"/>
<byte value="xd"/>
Pour passer de «&#xa0;emprunter&#xa0;» à «&#xa0;rembourser&#xa0;» et inversement, choisissez le mode.</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Caption over the meter of the credits borrowed.</extracomment>
        <translation>Emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Caption over the meter of the player&apos;s credits.</extracomment>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed: %1. Credits: %2.</source>
        <translation>Emprunté&#xa0;: %1. Crédits&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CabinetElements</name>
    <message>
        <source>%1 — spins at once</source>
        <extracomment>A credits key as a screen reader names it; %1 is its caption (&quot;2 Credits&quot;)</extracomment>
        <translation>%1 — lance aussitôt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A meter as a screen reader names it; %1 is its caption (&quot;Credits&quot;), %2 its figure</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reel</source>
        <extracomment>A reel window&apos;s column as a screen reader names it</extracomment>
        <translation>Rouleau</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>A reel window&apos;s row as a screen reader names it</extracomment>
        <translation>Rangée</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>The reel window as a screen reader names it</extracomment>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Turning</source>
        <extracomment>A reel cell&apos;s name while the reels turn</extracomment>
        <translation>En rotation</translation>
    </message>
    <message>
        <source>Payline %1: played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Ligne %1&#xa0;: jouée</translation>
    </message>
    <message>
        <source>Payline %1: not played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Ligne %1&#xa0;: non jouée</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The Spin button as a screen reader names it</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The Bet Max button as a screen reader names it</extracomment>
        <translation>Mise max</translation>
    </message>
    <message>
        <source>Insert Coins — borrow credits</source>
        <extracomment>The coin slot as a screen reader names it</extracomment>
        <translation>Insérer des pièces — emprunter des crédits</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Winnings</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Crédits</translation>
    </message>
</context>
<context>
    <name>CabinetKeyTips</name>
    <message>
        <source>%1 — plays 1 payline from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;1 Payline&quot;)</extracomment>
        <translation>%1 — joue 1 ligne dès le prochain tour. Cette touche ne lance pas ; les flèches Gauche et Droite choisissent aussi les lignes.</translation>
    </message>
    <message>
        <source>%1 — plays %2 paylines from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;5 Paylines&quot;), %2 the lines</extracomment>
        <translation>%1 — joue %2 lignes dès le prochain tour. Cette touche ne lance pas ; les flèches Gauche et Droite choisissent aussi les lignes.</translation>
    </message>
    <message>
        <source>%1 — spins now with 1 credit per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;1 Credit&quot;)</extracomment>
        <translation>%1 — lance tout de suite avec 1 crédit par ligne. Pour choisir les crédits sans lancer, utilisez les flèches Haut et Bas.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;2 Credits&quot;), %2 the credits</extracomment>
        <translation>%1 — lance tout de suite avec %2 crédits par ligne. Pour choisir les crédits sans lancer, utilisez les flèches Haut et Bas.</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits on each of %3 lines, %4 credits in all, when you have that many. Key: M.</source>
        <extracomment>The Bet Max button&apos;s tooltip; %1 is its name, %2 the credits per line, %3 the lines, %4 the whole bet</extracomment>
        <translation>%1 — lance tout de suite avec %2 crédits sur chacune des %3 lignes, %4 crédits en tout, si vous les avez. Touche : M.</translation>
    </message>
    <message>
        <source>%1 — spins with the bet the keys show. Keys: Enter or Space.</source>
        <extracomment>The Spin button&apos;s tooltip; %1 is its name</extracomment>
        <translation>%1 — lance avec la mise que montrent les touches. Touches : Entrée ou Espace.</translation>
    </message>
    <message>
        <source>%1 — a click here does nothing: borrow credits from the Borrow menu, or press Tab until the slot is ringed, then Enter.</source>
        <extracomment>The coin slot&apos;s tooltip; %1 is its caption</extracomment>
        <translation>%1 — un clic ici ne fait rien : empruntez des crédits par le menu Emprunter, ou appuyez sur Tab jusqu’à ce que la fente soit entourée, puis sur Entrée.</translation>
    </message>
</context>
<context>
    <name>CabinetPainter</name>
    <message>
        <source>ENTER = SPIN  M = MAX</source>
        <extracomment>The keys&apos; hint beneath the bet keys, painted in a small box: keep it short</extracomment>
        <translation>ENTRÉE = LANCER  M = MAX</translation>
    </message>
    <message>
        <source>Oops, I did it again! (%1)</source>
        <translation>Oups, encore raté&#xa0;! (%1)</translation>
    </message>
    <message>
        <source> Coins: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the coins bet; keep it short</extracomment>
        <translation> Pièces&#xa0;: </translation>
    </message>
    <message>
        <source> Winnings: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the last spin&apos;s winnings; keep it short</extracomment>
        <translation> Gains&#xa0;: </translation>
    </message>
    <message>
        <source> Credits: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the player&apos;s credits; keep it short</extracomment>
        <translation> Crédits&#xa0;: </translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Painted on the coin slot&apos;s small red window, over &quot;Coins&quot;: keep it very short</extracomment>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Painted on the coin slot&apos;s plate, under &quot;Insert&quot;: keep it very short</extracomment>
        <translation>des pièces</translation>
    </message>
    <message>
        <source>Bonus Game Paid %1</source>
        <translation>Gain jeu bonus %1</translation>
    </message>
    <message>
        <source>Play the Bonus Game</source>
        <extracomment>In the message strip when the spin won the bonus game</extracomment>
        <translation>Jouez le jeu bonus</translation>
    </message>
    <message>
        <source>Scatter paid %1</source>
        <extracomment>In the message strip; %1 is what the scatter balls paid</extracomment>
        <translation>Gain scatter %1</translation>
    </message>
    <message>
        <source>Line paid %1</source>
        <extracomment>In the message strip, in the payline&apos;s colour; %1 is what the line paid</extracomment>
        <translation>Gain ligne %1</translation>
    </message>
    <message>
        <source>Game paid %1</source>
        <extracomment>In the message strip; %1 is what the whole spin paid</extracomment>
        <translation>Gain total %1</translation>
    </message>
    <message>
        <source>1 Payline</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>3 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 lignes</translation>
    </message>
    <message>
        <source>5 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 lignes</translation>
    </message>
    <message>
        <source>7 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>7 lignes</translation>
    </message>
    <message>
        <source>9 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>9 lignes</translation>
    </message>
    <message>
        <source>1 Credit</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 crédit</translation>
    </message>
    <message>
        <source>2 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>2 crédits</translation>
    </message>
    <message>
        <source>3 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 crédits</translation>
    </message>
    <message>
        <source>5 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 crédits</translation>
    </message>
    <message>
        <source>10 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>10 crédits</translation>
    </message>
</context>
<context>
    <name>CabinetPictures</name>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5 or taller.</source>
        <extracomment>%1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs</extracomment>
        <translation>Impossible d’utiliser l’image «&#xa0;%1&#xa0;»&#xa0;: elle fait %2 sur %3 pixels, alors que le jeu demande %4 sur %5 ou plus en hauteur.</translation>
    </message>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5.</source>
        <translation>Impossible d’utiliser l’image «&#xa0;%1&#xa0;»&#xa0;: elle fait %2 sur %3 pixels, alors que le jeu demande %4 sur %5.</translation>
    </message>
</context>
<context>
    <name>CabinetWindow</name>
    <message>
        <source>The game was not stored: %1</source>
        <extracomment>In the message strip; %1 is why the game file could not be written</extracomment>
        <translation>La partie n’a pas été conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the game plays silently.</source>
        <translation>Aucun périphérique audio n’a été trouvé&#xa0;: le jeu continue en silence.</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <extracomment>The cabinet as a screen reader names it</extracomment>
        <translation>Machine</translation>
    </message>
    <message>
        <source>%1

The game was not stored. Quit without saving it?</source>
        <translation>%1

La partie n’a pas été conservée. Quitter sans l’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>There is no game file to keep this game in. Quit without saving it?</source>
        <translation>Il n’y a aucun fichier de parties où conserver cette partie. Quitter sans l’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Stop &amp;Autoplay</source>
        <extracomment>Menu item: ends the autoplay run under way</extracomment>
        <translation>Arrêter le jeu &amp;auto</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>Jeu &amp;auto…</translation>
    </message>
    <message>
        <source>Bonus game paid %1; game paid %2</source>
        <extracomment>Told to a screen reader once the bonus game is over</extracomment>
        <translation>Gain jeu bonus %1&#xa0;; gain total %2</translation>
    </message>
    <message>
        <source>&amp;More Lines</source>
        <extracomment>Menu item: plays one more payline</extracomment>
        <translation>&amp;Plus de lignes</translation>
    </message>
    <message>
        <source>&amp;Fewer Lines</source>
        <extracomment>Menu item: plays one payline fewer</extracomment>
        <translation>&amp;Moins de lignes</translation>
    </message>
    <message>
        <source>More &amp;Credits per Line</source>
        <extracomment>Menu item: bets more credits on each payline</extracomment>
        <translation>Plus de &amp;crédits par ligne</translation>
    </message>
    <message>
        <source>Fewer C&amp;redits per Line</source>
        <extracomment>Menu item: bets fewer credits on each payline</extracomment>
        <translation>Moins de c&amp;rédits par ligne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>Menu item: starts a new game</extracomment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <extracomment>Menu item: opens a game kept in a slot</extracomment>
        <translation>&amp;Ouvrir une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <extracomment>Menu item: keeps the game in a slot</extracomment>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Menu item, checked while sound effects play</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Menu item, checked while music plays</extracomment>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Volume…</source>
        <extracomment>Menu item: opens the volume window</extracomment>
        <translation>Volume…</translation>
    </message>
    <message>
        <source>&amp;Quick Play</source>
        <extracomment>Menu item, checked while the game plays quickly</extracomment>
        <translation>&amp;Jeu rapide</translation>
    </message>
    <message>
        <source>Re&amp;duce Motion</source>
        <extracomment>Menu item, checked while the reels and pay-outs move less</extracomment>
        <translation>Ré&amp;duire les animations</translation>
    </message>
    <message>
        <source>Line &amp;Patterns</source>
        <extracomment>Menu item, checked while each payline is drawn in a pattern of its own</extracomment>
        <translation>Lignes à mo&amp;tifs</translation>
    </message>
    <message>
        <source>High Co&amp;ntrast</source>
        <extracomment>Menu item, checked while the captions are drawn in high contrast</extracomment>
        <translation>Co&amp;ntraste élevé</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <extracomment>Menu item: opens the window that chooses the interface&apos;s language</extracomment>
        <translation>&amp;Langue…</translation>
    </message>
    <message>
        <source>Game &amp;History…</source>
        <extracomment>Menu item: opens the list of the last spins</extracomment>
        <translation>&amp;Historique de jeu…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar item: borrows credits</extracomment>
        <translation>&amp;Emprunter</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <extracomment>Menu bar item: shows the game&apos;s statistics</extracomment>
        <translation>&amp;Stats</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar item: shows the pay table</extracomment>
        <translation>&amp;Paiements</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Menu item: shows the program&apos;s name and version</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <extracomment>Menu item: opens the manual; %1 is the game&apos;s name</extracomment>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manuel de %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</source>
        <extracomment>The Version box; %1 is the game&apos;s name, %2 its version. Keep the line breaks.</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Version&#xa0;:  %2</translation>
    </message>
    <message>
        <source>Remember My &amp;Bet</source>
        <extracomment>Menu item, checked while the bet is kept for the next time the game starts</extracomment>
        <translation>Mémoriser ma mi&amp;se</translation>
    </message>
    <message>
        <source>Play Rem&amp;inder…</source>
        <extracomment>Menu item: opens the window that sets how often the game tells the time and credits played</extracomment>
        <translation>Rapp&amp;el de jeu…</translation>
    </message>
    <message>
        <source>The spin count has reached its limit; the statistics stop counting.</source>
        <translation>Le nombre de tours a atteint sa limite ; les statistiques cessent de compter.</translation>
    </message>
    <message>
        <source>The total bets have reached their limit; the statistics stop counting.</source>
        <translation>Le total des mises a atteint sa limite ; les statistiques cessent de compter.</translation>
    </message>
    <message>
        <source>The bonus total has reached its limit; the statistics stop counting.</source>
        <translation>Le total des bonus a atteint sa limite ; les statistiques cessent de compter.</translation>
    </message>
    <message>
        <source>Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.</source>
        <extracomment>In the message strip once, at the first start: the cabinet&apos;s keys. Keep it short</extracomment>
        <translation>Touches : Entrée lance, M mise le max, les flèches choisissent la mise, F1 ouvre le manuel.</translation>
    </message>
    <message>
        <source>Credits are at their limit; 1 credit of this win could not be paid.</source>
        <extracomment>In the message strip when the credits cannot take all of a win</extracomment>
        <translation>Les crédits sont à leur limite ; 1 crédit de ce gain n’a pas pu être payé.</translation>
    </message>
    <message>
        <source>Credits are at their limit; %1 credits of this win could not be paid.</source>
        <translation>Les crédits sont à leur limite ; %1 crédits de ce gain n’ont pas pu être payés.</translation>
    </message>
</context>
<context>
    <name>CardColours</name>
    <message>
        <source>Blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>White</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The colour of a bonus card the history does not know.</extracomment>
        <translation>inconnu</translation>
    </message>
</context>
<context>
    <name>ChartRows</name>
    <message>
        <source>%1 pays %2</source>
        <extracomment>A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay</extracomment>
        <translation>%2 pour %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A pay table line as a screen reader reads it; %1 is the symbol, %2 its first pay</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The pay table line&apos;s next pay after a comma; %1 is the line so far, %2 the pay</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 pay %2</source>
        <extracomment>A scatter pay as a screen reader reads it; %1 is how many balls, %2 the multiple</extracomment>
        <translation>%2 pour %1</translation>
    </message>
    <message>
        <source>Scatter balls, times the total bet: %1</source>
        <extracomment>The scatter pays as a screen reader reads them; %1 is their list, &quot;5 pay 50, 4 pay 10&quot;</extracomment>
        <translation>Boules scatter, en multiple de la mise totale&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: quillane [--help] [--version] [Qt options]
Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.
</source>
        <extracomment>The command line&apos;s help: how the program is started. Keep &quot;quillane&quot; and the options</extracomment>
        <translation>usage&#xa0;: quillane [--help] [--version] [options Qt]
Quillane, une machine à sous vidéo à cinq rouleaux et neuf lignes, avec un jeu bonus de bingo carton plein.
</translation>
    </message>
    <message>
        <source>  -h, --help   print this help and leave
  --version    print the version and leave
</source>
        <extracomment>The command line&apos;s help: the options, aligned in two columns. Keep the option names</extracomment>
        <translation>  -h, --help   affiche cette aide et quitte
  --version    affiche la version et quitte
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform NAME or -style NAME, are also taken.
The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).
</source>
        <extracomment>The command line&apos;s help: where the game keeps its files. Keep the paths and names</extracomment>
        <translation>Les options propres à Qt, comme -platform NOM ou -style NOM, sont aussi acceptées.
La partie est conservée dans $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Vos propres images, sons et musiques vont dans $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). Dans le jeu, F1 ouvre le manuel&#xa0;; voir aussi quillane(6).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the argument given</extracomment>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>l’option «&#xa0;%1&#xa0;» demande une valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>quillane: %1 (try --help)
</source>
        <extracomment>How a command line error is printed; %1 is the error. Keep &quot;quillane&quot; and &quot;--help&quot;</extracomment>
        <translation>quillane&#xa0;: %1 (essayez --help)
</translation>
    </message>
    <message>
        <source>quillane: cannot write the output: %1
</source>
        <extracomment>Printed when the help or the version could not be written, to a full disc or a closed pipe; %1 is the system&apos;s reason. Keep &quot;quillane&quot;</extracomment>
        <translation>quillane : impossible d’écrire la sortie : %1
</translation>
    </message>
</context>
<context>
    <name>CreditsPlot</name>
    <message>
        <source>No spins yet</source>
        <extracomment>Written small across the empty plot of the credits.</extracomment>
        <translation>Aucun tour pour l’instant</translation>
    </message>
</context>
<context>
    <name>GameProgram</name>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>An error box&apos;s text when something unforeseen went wrong</extracomment>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
    <message>
        <source>Quillane is already running.</source>
        <extracomment>Shown when the player starts the game a second time</extracomment>
        <translation>Quillane est déjà lancé.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual &quot;%1&quot; could not be found.</source>
        <extracomment>%1 is the manual&apos;s file</extracomment>
        <translation>Le manuel «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Reels: %1</source>
        <extracomment>Read by screen readers: a spin&apos;s symbols, row by row.</extracomment>
        <translation>Rouleaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bet %1: 1 line at %2</source>
        <extracomment>A spin&apos;s bet: the credits bet, the paylines played and the credits on each line.</extracomment>
        <translation>Mise %1&#xa0;: 1 ligne à %2</translation>
    </message>
    <message>
        <source>Bet %1: %2 lines at %3</source>
        <translation>Mise %1&#xa0;: %2 lignes à %3</translation>
    </message>
    <message>
        <source>Credits after: %1</source>
        <translation>Crédits après&#xa0;: %1</translation>
    </message>
    <message>
        <source>Line %1: 1 symbol pays %2</source>
        <extracomment>A line win: the payline, how many symbols in a row and what they paid.</extracomment>
        <translation>Ligne %1&#xa0;: 1 symbole paie %2</translation>
    </message>
    <message>
        <source>Line %1: %2 symbols pay %3</source>
        <translation>Ligne %1&#xa0;: %2 symboles paient %3</translation>
    </message>
    <message>
        <source>Scatter: 1 ball pay %1</source>
        <extracomment>A scatter win: how many BINGO balls showed and what they paid.</extracomment>
        <translation>Scatter&#xa0;: 1 boule paie %1</translation>
    </message>
    <message>
        <source>Scatter: %1 balls pay %2</source>
        <translation>Scatter&#xa0;: %1 boules paient %2</translation>
    </message>
    <message>
        <source>Balls: %1</source>
        <extracomment>BINGO balls that showed, too few to pay.</extracomment>
        <translation>Boules&#xa0;: %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Aucun gain</translation>
    </message>
    <message>
        <source>Bonus game: %1 card, %2 calls</source>
        <extracomment>%1 is the colour of the card the player chose, %2 how many numbers were called.</extracomment>
        <translation>Jeu bonus&#xa0;: carton %1, %2 numéros tirés</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bingo pattern won and the credits it paid, &quot;Four Corners 20&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Patterns won: none</source>
        <extracomment>The list of patterns won, each with its pay, &quot;Four Corners 20, Big X 20&quot;.</extracomment>
        <translation>Motifs gagnés&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Patterns won: %1</source>
        <translation>Motifs gagnés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bonus paid: %1</source>
        <translation>Bonus payé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique de jeu</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Aucun tour pour l’instant dans cette partie.</translation>
    </message>
    <message>
        <source>The last spin of this game, newest first:</source>
        <translation>Le dernier tour de cette partie&#xa0;:</translation>
    </message>
    <message>
        <source>The last %1 spins of this game, newest first:</source>
        <translation>Les %1 derniers tours de cette partie, du plus récent au plus ancien&#xa0;:</translation>
    </message>
    <message>
        <source>The history is not being kept on disk. %1</source>
        <extracomment>%1 says why, as the game&apos;s storage reports it.</extracomment>
        <translation>L’historique n’est pas conservé sur le disque. %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Picture needs more than %1 MiB to decode</source>
        <extracomment>Why a picture cannot be read; %1 is a number of mebibytes</extracomment>
        <translation>L’image demande plus de %1 Mio pour être décodée</translation>
    </message>
    <message>
        <source>Picture has more than %1 scans</source>
        <extracomment>Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken</extracomment>
        <translation>L’image compte plus de %1 passes</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>Les images CMJN ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>Picture too large: %1 x %2 pixels, more than %3 a side or %4 in all</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits</extracomment>
        <translation>Image trop grande&#xa0;: %1 x %2 pixels, plus de %3 de côté ou de %4 en tout</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size in pixels</extracomment>
        <translation>Mémoire insuffisante pour une image de %1 x %2</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>L’image est vide</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be read</extracomment>
        <translation>Impossible de lire l’image «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Show Quillane in:</source>
        <translation>Afficher Quillane en&#xa0;:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <extracomment>The first choice of the language dialog; %1 is the desktop&apos;s language in its own words.</extracomment>
        <translation>La langue du bureau (%1)</translation>
    </message>
</context>
<context>
    <name>PatternNames</name>
    <message>
        <source>Large Plus</source>
        <translation>Grand plus</translation>
    </message>
    <message>
        <source>Large X</source>
        <translation>Grand X</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Quatre coins</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <translation>Coins intérieurs</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Losange plein</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <translation>Petit losange</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <translation>Grand losange</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Small Frame</source>
        <translation>Petit cadre</translation>
    </message>
    <message>
        <source>Any Bingo</source>
        <translation>Toute ligne</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <translation>Double ligne difficile</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Timbre-poste</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <translation>Bonus carton plein</translation>
    </message>
</context>
<context>
    <name>PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tableau des paiements</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The payoff chart&apos;s button that closes it.</extracomment>
        <translation>Fermer</translation>
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
        <translation>Les gains se calculent sur les
pièces misées par ligne, sauf les
scatters, sur le total des crédits.
Les lignes paient depuis la gauche.
Les scatters gagnent partout.
Les wilds remplacent tout sauf
les boules BINGO.</translation>
    </message>
    <message>
        <source>Collect a Scatter win by getting
three or more BINGO Balls on
the screen in any position.</source>
        <extracomment>Above the scatter pays on the payoff chart, in a narrow column of three lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Un gain scatter s’obtient avec
trois boules BINGO ou plus,
n’importe où à l’écran.</translation>
    </message>
    <message>
        <source>Scatter wins start bonus game.</source>
        <extracomment>Below the scatter pays on the payoff chart, one short line.</extracomment>
        <translation>Un gain scatter lance le jeu bonus.</translation>
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
        <translation>Le jeu bonus Bingo se joue quand vous obtenez trois boules Bingo ou plus à l’écran lors d’un tour de la machine à sous. Arrivé au
jeu bonus, choisissez l’un des cinq cartons de bingo. Une partie de bingo carton plein se joue jusqu’à ce qu’un carton ou plus soit plein.
En chemin, douze autres variantes de bingo peuvent être gagnées. Le jeu paie quatre fois votre dernière mise (total des crédits misés)
pour chaque variante gagnée. Le carton plein peut payer plus que les autres variantes s’il est gagné avant le 72e numéro tiré.
Le bonus peut atteindre 50 000 fois votre dernière mise. Il diminue de 17,5 % à chaque numéro tiré après les 24 premiers numéros.
Les cartons sont marqués automatiquement par le jeu. Installez-vous et profitez. Et BONNE CHANCE&#xa0;!</translation>
    </message>
    <message>
        <source>Blackout Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo carton plein</translation>
    </message>
    <message>
        <source>Any Way Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo toute ligne</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Timbre-poste</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Quatre coins</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Coins intérieurs</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Double ligne difficile</translation>
    </message>
    <message>
        <source>Inside Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Losange intérieur</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Grand losange</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Losange plein</translation>
    </message>
    <message>
        <source>Big Plus Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo grand plus</translation>
    </message>
    <message>
        <source>Big X Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Bingo grand X</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Cadre intérieur</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>BINGO Jackpot - Get all five BINGO Balls on a Payline</source>
        <extracomment>The payoff chart&apos;s heading over the five BINGO balls, on one line.</extracomment>
        <translation>Jackpot BINGO - Les cinq boules BINGO sur une ligne de paiement</translation>
    </message>
    <message>
        <source>Pays %1 X Coins Per Line Bet</source>
        <extracomment>Under the five BINGO balls on the payoff chart, on one line.</extracomment>
        <translation>Paie %1 × la mise par ligne</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Aucune mise placée&#xa0;!</translation>
    </message>
    <message>
        <source>You have %1, but you tried to bet %2 credits.  You cannot bet more credits than you have.  Borrow some credits or place a smaller bet.</source>
        <translation>Vous avez %1 crédits, mais vous avez tenté d’en miser %2. Vous ne pouvez pas miser plus de crédits que vous n’en avez. Empruntez des crédits ou placez une mise plus petite.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Vous n’avez pas %1 crédits&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n’en avez emprunté&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot borrow %1 more credits: the credits and the borrowed credits cannot go past %2.</source>
        <translation>Vous ne pouvez pas emprunter %1 crédits de plus&#xa0;: les crédits et les crédits empruntés ne peuvent pas dépasser %2.</translation>
    </message>
    <message>
        <source>There is no game file to store the game in.</source>
        <translation>Il n’y a aucun fichier de parties où conserver la partie.</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that sets the play reminder</extracomment>
        <translation>Rappel de jeu</translation>
    </message>
    <message>
        <source>Remind me of the time played and the credits won or lost:</source>
        <translation>Me rappeler le temps de jeu et les crédits gagnés ou perdus :</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <extracomment>The play reminder switched off</extracomment>
        <translation>&amp;Jamais</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Toutes les %1 minutes</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Me le rappeler par :</translation>
    </message>
    <message>
        <source>A &amp;notice over the meters</source>
        <translation>un &amp;avis sur les compteurs</translation>
    </message>
    <message>
        <source>A &amp;window that pauses autoplay</source>
        <translation>une &amp;fenêtre qui met le jeu auto en pause</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>You have played for %1 minute.</source>
        <translation>Vous jouez depuis %1 minute.</translation>
    </message>
    <message>
        <source>You have played for %1 minutes.</source>
        <translation>Vous jouez depuis %1 minutes.</translation>
    </message>
    <message>
        <source>You are even.</source>
        <extracomment>The session has won as many credits as it has lost</extracomment>
        <translation>Vous êtes à l’équilibre.</translation>
    </message>
    <message>
        <source>You have won %1 credit.</source>
        <translation>Vous avez gagné %1 crédit.</translation>
    </message>
    <message>
        <source>You have won %1 credits.</source>
        <translation>Vous avez gagné %1 crédits.</translation>
    </message>
    <message>
        <source>You have lost %1 credit.</source>
        <translation>Vous avez perdu %1 crédit.</translation>
    </message>
    <message>
        <source>You have lost %1 credits.</source>
        <translation>Vous avez perdu %1 crédits.</translation>
    </message>
    <message>
        <source>Session %1</source>
        <extracomment>In the status bar: how long this session has lasted, as hours:minutes</extracomment>
        <translation>Session %1</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that reminds the player of the time and credits played</extracomment>
        <translation>Rappel de jeu</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>Closes the play reminder; autoplay, if it runs, goes on</extracomment>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Stop Autoplay</source>
        <translation>&amp;Arrêter le jeu auto</translation>
    </message>
</context>
<context>
    <name>ReturnText</name>
    <message>
        <source>1 line × 1 credit</source>
        <translation>1 ligne × 1 crédit</translation>
    </message>
    <message>
        <source>1 line × %1 credits</source>
        <translation>1 ligne × %1 crédits</translation>
    </message>
    <message>
        <source>%1 lines × 1 credit</source>
        <translation>%1 lignes × 1 crédit</translation>
    </message>
    <message>
        <source>%1 lines × %2 credits</source>
        <translation>%1 lignes × %2 crédits</translation>
    </message>
    <message>
        <source>not estimated</source>
        <extracomment>The bonus game&apos;s share of the return, when no simulation gives it for this bet.</extracomment>
        <translation>non estimé</translation>
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
        <translation>%1 jeux bonus simulés</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Taux de redistribution à %1&#xa0;: jeu de base %2 (exact)</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact), bonus %3 (estimated from %4)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;, %3 an estimate, &quot;≈ 65.90% ± 0.01%&quot;, %4 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Taux de redistribution à %1&#xa0;: jeu de base %2 (exact), bonus %3 (estimé sur %4)</translation>
    </message>
</context>
<context>
    <name>SdlAudio</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be opened; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot play file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be played; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot play music: no file name was given.</source>
        <translation>Impossible de jouer la musique&#xa0;: aucun nom de fichier n’a été donné.</translation>
    </message>
    <message>
        <source>It is not a Standard MIDI File.</source>
        <extracomment>Why a music file cannot be played</extracomment>
        <translation>Ce n’est pas un fichier MIDI standard.</translation>
    </message>
    <message>
        <source>Cannot open the audio device. %1</source>
        <extracomment>%1 is the sound system&apos;s reason, in English</extracomment>
        <translation>Impossible d’ouvrir le périphérique audio. %1</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <extracomment>Read by screen readers: the box that holds a saved game&apos;s name.</extracomment>
        <translation>Nom de l’emplacement %1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A slot&apos;s own button, which saves or opens the game in it: keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save in slot %1</source>
        <translation>Enregistrer dans l’emplacement %1</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>Ouvrir l’emplacement %1</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie -- Choisissez un emplacement</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie -- Choisissez un emplacement</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits, &quot;1000 Credits&quot;.</extracomment>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s borrowed credits, &quot;0 Borrowed&quot;.</extracomment>
        <translation>%1 empruntés</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nom de cette partie enregistrée&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SpokenResults</name>
    <message>
        <source>no %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>aucun symbole %1</translation>
    </message>
    <message>
        <source>one %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>un symbole %1</translation>
    </message>
    <message>
        <source>two %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>deux %1</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>trois %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>quatre %1</translation>
    </message>
    <message>
        <source>five %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>cinq %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the count, %2 the symbol&apos;s name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Line %1: %2 pays %3</source>
        <extracomment>A screen reader&apos;s report of a paid line; %1 is the payline, %2 what it shows (&quot;three Elephants&quot;), %3 what it pays</extracomment>
        <translation>Ligne %1&#xa0;: %2, gain %3</translation>
    </message>
    <message>
        <source>%1 balls pay %2 and win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 boules paient %2 et gagnent le jeu bonus</translation>
    </message>
    <message>
        <source>%1 balls pay %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 boules paient %2</translation>
    </message>
    <message>
        <source>%1 balls win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls</extracomment>
        <translation>%1 boules gagnent le jeu bonus</translation>
    </message>
    <message>
        <source>game paid %1</source>
        <translation>gain total %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Aucun gain</translation>
    </message>
    <message>
        <source>Call %1: %2 %3</source>
        <extracomment>A screen reader&apos;s report of a bonus call; %1 is the call&apos;s number, %2 %3 the ball (&quot;B 7&quot;)</extracomment>
        <translation>Tirage %1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <source>%1 on your card pays %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the pattern, %2 what it pays</extracomment>
        <translation>%1 sur votre carton paie %2</translation>
    </message>
    <message>
        <source>%1 on card %2 pays %3</source>
        <translation>%1 sur le carton %2 paie %3</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Vos statistiques de jeu</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Tours&#xa0;:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Total des mises&#xa0;:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Paiements&#xa0;:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Taux de redistribution global&#xa0;:</translation>
    </message>
    <message>
        <source>Credits over the Last Spins:</source>
        <translation>Crédits sur les derniers tours&#xa0;:</translation>
    </message>
    <message>
        <source>Credits after the Last Spin:</source>
        <translation>Crédits après le dernier tour&#xa0;:</translation>
    </message>
    <message>
        <source>Credits over the Last %1 Spins:</source>
        <translation>Crédits sur les %1 derniers tours&#xa0;:</translation>
    </message>
    <message>
        <source>Theoretical Payoff Percentage:</source>
        <translation>Taux de redistribution théorique&#xa0;:</translation>
    </message>
    <message>
        <source>Base Game (exact):</source>
        <translation>Jeu de base (exact)&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus (estimated):</source>
        <translation>Bonus (estimé)&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is estimated from %2, ± one standard error.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;; %2 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>À %1, sur un grand nombre de tours. La part du jeu de base découle exactement des règles&#xa0;; celle du jeu bonus est estimée sur %2, ± une erreur type.</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is not estimated for this bet.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>À %1, sur un grand nombre de tours. La part du jeu de base découle exactement des règles&#xa0;; celle du jeu bonus n’est pas estimée pour cette mise.</translation>
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
        <translation>%1 dans [%2]</translation>
    </message>
    <message>
        <source>The game file %1 is not a regular file and was not read.</source>
        <translation>Le fichier de parties %1 n’est pas un fichier ordinaire et n’a pas été lu.</translation>
    </message>
    <message>
        <source>The game file %1 is larger than %2 MiB and was not read.</source>
        <translation>Le fichier de parties %1 dépasse %2 Mio et n’a pas été lu.</translation>
    </message>
    <message>
        <source>The game file %1 cannot be read: %2.</source>
        <translation>Le fichier de parties %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>Le fichier d’historique %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no data directory to keep it in.</source>
        <translation>Il n’y a aucun répertoire de données où le conserver.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2.</source>
        <translation>Le fichier d’historique %1 ne peut pas être écrit&#xa0;: %2.</translation>
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
        <translation>Certaines valeurs du fichier de parties %1 ne peuvent pas être lues (%2) et sont jouées comme celles d’une nouvelle partie. Une copie du fichier tel qu’il était à un lancement précédent est conservée dans %3.</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. The file as it was is kept in %3.</source>
        <translation>Certaines valeurs du fichier de parties %1 ne peuvent pas être lues (%2) et sont jouées comme celles d’une nouvelle partie. Le fichier tel qu’il était est conservé dans %3.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2. The game goes on, but it cannot be kept.</source>
        <translation>Le dossier %1 n’est pas accessible en écriture&#xa0;: %2. Le jeu continue, mais la partie ne peut pas être conservée.</translation>
    </message>
    <message>
        <source>No home directory to keep the game file in</source>
        <translation>Aucun répertoire personnel où conserver le fichier de parties</translation>
    </message>
    <message>
        <source>Unable to write to %1
%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason on a line of its own; keep the line break.</extracomment>
        <translation>Impossible d’écrire dans %1
%2</translation>
    </message>
    <message>
        <source>It is a directory</source>
        <extracomment>Why a file cannot be read: the name is a folder&apos;s.</extracomment>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Why a file cannot be read: the name is a device&apos;s, a pipe&apos;s or a socket&apos;s.</extracomment>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <extracomment>Why a file cannot be read; %1 is a number of mebibytes.</extracomment>
        <translation>Il dépasse %1 Mio</translation>
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
        <translation>Boule B</translation>
    </message>
    <message>
        <source>I ball</source>
        <translation>Boule I</translation>
    </message>
    <message>
        <source>N ball</source>
        <translation>Boule N</translation>
    </message>
    <message>
        <source>G ball</source>
        <translation>Boule G</translation>
    </message>
    <message>
        <source>O ball</source>
        <translation>Boule O</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carton</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Tickets</translation>
    </message>
    <message>
        <source>Cage</source>
        <translation>Boulier</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Doll</source>
        <translation>Poupée</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Daubers</source>
        <translation>Marqueurs</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Sac</translation>
    </message>
    <message>
        <source>Wilds</source>
        <translation>Wilds</translation>
    </message>
    <message>
        <source>B balls</source>
        <translation>Boules B</translation>
    </message>
    <message>
        <source>I balls</source>
        <translation>Boules I</translation>
    </message>
    <message>
        <source>N balls</source>
        <translation>Boules N</translation>
    </message>
    <message>
        <source>G balls</source>
        <translation>Boules G</translation>
    </message>
    <message>
        <source>O balls</source>
        <translation>Boules O</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartons</translation>
    </message>
    <message>
        <source>Cages</source>
        <translation>Bouliers</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Rois</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Dames</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Valets</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Poupées</translation>
    </message>
    <message>
        <source>Elephants</source>
        <translation>Éléphants</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>Sacs</translation>
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
        <translation>&amp;Effets sonores&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Musique&#xa0;:</translation>
    </message>
</context>
</TS>
