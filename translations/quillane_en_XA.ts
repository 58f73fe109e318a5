<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_XA" sourcelanguage="en">
<context>
    <name>AudioModule</name>
    <message>
        <source>The game&apos;s sound module cannot be loaded. %1</source>
        <extracomment>%1 is the system&apos;s reason, in English, or empty</extracomment>
        <translation>Ţĥéé ĝááɱéé&apos;š šóóúúñđ ɱóóđúúĺéé çááññóóţ ƀéé ĺóóááđééđ. %1····</translation>
    </message>
</context>
<context>
    <name>AutoplayDialog</name>
    <message>
        <source>Autoplay</source>
        <extracomment>The autoplay window&apos;s title.</extracomment>
        <translation>ÁÁúúţóóṗĺááý</translation>
    </message>
    <message>
        <source>Spins to play at the current bet:</source>
        <translation>Šṗííñš ţóó ṗĺááý ááţ ţĥéé çúúŕŕééñţ ƀééţ:······</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>Šţóóṗ:·</translation>
    </message>
    <message>
        <source>When a &amp;bonus game starts</source>
        <translation>Ŵĥééñ áá &amp;ƀóóñúúš ĝááɱéé šţááŕţš···</translation>
    </message>
    <message>
        <source>When a single &amp;win is at least</source>
        <translation>Ŵĥééñ áá šííñĝĺéé &amp;ŵííñ ííš ááţ ĺééáášţ···</translation>
    </message>
    <message>
        <source>When the &amp;credits fall below</source>
        <translation>Ŵĥééñ ţĥéé &amp;çŕééđííţš fááĺĺ ƀééĺóóŵ·····</translation>
    </message>
    <message>
        <source>Autoplay also stops when the bet can no longer be placed; it never borrows. Any key or click stops it.</source>
        <translation>ÁÁúúţóóṗĺááý ááĺšóó šţóóṗš ŵĥééñ ţĥéé ƀééţ çááñ ñóó ĺóóñĝééŕ ƀéé ṗĺááçééđ; ííţ ñéévééŕ ƀóóŕŕóóŵš. ÁÁñý ķééý óóŕ çĺííçķ šţóóṗš ííţ.·············</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>&amp;Šţááŕţ··</translation>
    </message>
    <message>
        <source>In bonus &amp;games:</source>
        <translation>ÍÍñ ƀóóñúúš &amp;ĝááɱééš:··</translation>
    </message>
    <message>
        <source>let me choose</source>
        <extracomment>In the autoplay window: autoplay waits for the player to choose the bonus game&apos;s card</extracomment>
        <translation>ĺééţ ɱéé çĥóóóóšéé·</translation>
    </message>
    <message>
        <source>my last card</source>
        <extracomment>In the autoplay window: autoplay plays the card the player chose by hand the last time</extracomment>
        <translation>ɱý ĺáášţ çááŕđ···</translation>
    </message>
    <message>
        <source>a random card</source>
        <extracomment>In the autoplay window: autoplay plays one of the five cards, drawn at random</extracomment>
        <translation>áá ŕááñđóóɱ çááŕđ··</translation>
    </message>
    <message>
        <source>When the run has &amp;lost at least</source>
        <translation>Ŵĥééñ ţĥéé ŕúúñ ĥááš &amp;ĺóóšţ ááţ ĺééáášţ·····</translation>
    </message>
    <message>
        <source>When the run has w&amp;on at least</source>
        <translation>Ŵĥééñ ţĥéé ŕúúñ ĥááš ŵ&amp;óóñ ááţ ĺééáášţ····</translation>
    </message>
    <message>
        <source>The choice for bonus games applies when autoplay does not stop for them. What the run has won or lost counts from its start, bonus wins included and borrowing left aside.</source>
        <translation>Ţĥéé çĥóóííçéé fóóŕ ƀóóñúúš ĝááɱééš ááṗṗĺííééš ŵĥééñ ááúúţóóṗĺááý đóóééš ñóóţ šţóóṗ fóóŕ ţĥééɱ. Ŵĥááţ ţĥéé ŕúúñ ĥááš ŵóóñ óóŕ ĺóóšţ çóóúúñţš fŕóóɱ ííţš šţááŕţ, ƀóóñúúš ŵííñš ííñçĺúúđééđ ááñđ ƀóóŕŕóóŵííñĝ ĺééfţ áášííđéé.···················</translation>
    </message>
</context>
<context>
    <name>AutoplayText</name>
    <message>
        <source>Autoplay: 1 spin left</source>
        <extracomment>In the message strip while autoplay runs; keep it short.</extracomment>
        <translation>ÁÁúúţóóṗĺááý: 1 šṗííñ ĺééfţ···</translation>
    </message>
    <message>
        <source>Autoplay: %1 spins left</source>
        <extracomment>In the message strip while autoplay runs, %1 spins; keep it short.</extracomment>
        <translation>ÁÁúúţóóṗĺááý: %1 šṗííñš ĺééfţ····</translation>
    </message>
    <message>
        <source>Autoplay finished</source>
        <translation>ÁÁúúţóóṗĺááý fííñííšĥééđ</translation>
    </message>
    <message>
        <source>Autoplay stopped for the bonus game</source>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ fóóŕ ţĥéé ƀóóñúúš ĝááɱéé··</translation>
    </message>
    <message>
        <source>Autoplay stopped on a big win</source>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ óóñ áá ƀííĝ ŵííñ··</translation>
    </message>
    <message>
        <source>Autoplay stopped: credits low</source>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ: çŕééđííţš ĺóóŵ···</translation>
    </message>
    <message>
        <source>Autoplay stopped: the bet cannot be placed</source>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ: ţĥéé ƀééţ çááññóóţ ƀéé ṗĺááçééđ····</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ·</translation>
    </message>
    <message>
        <source>Autoplay stopped: loss limit reached</source>
        <extracomment>In the message strip: the autoplay run lost as much as the player allowed</extracomment>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ: ĺóóšš ĺííɱííţ ŕééááçĥééđ···</translation>
    </message>
    <message>
        <source>Autoplay stopped: win limit reached</source>
        <extracomment>In the message strip: the autoplay run won as much as the player asked for</extracomment>
        <translation>ÁÁúúţóóṗĺááý šţóóṗṗééđ: ŵííñ ĺííɱííţ ŕééááçĥééđ··</translation>
    </message>
</context>
<context>
    <name>BonusGameWindow</name>
    <message>
        <source>Bingo Bonus Game</source>
        <extracomment>The bonus game window&apos;s title</extracomment>
        <translation>Ɓííñĝóó Ɓóóñúúš Ĝááɱéé·</translation>
    </message>
    <message>
        <source>Pays %1</source>
        <extracomment>Bonus game caption under a pattern, in a small box; %1 is what the pattern pays</extracomment>
        <translation>Ṗááýš %1··</translation>
    </message>
    <message>
        <source>Numbers
Called</source>
        <extracomment>Bonus game caption over the count of balls called, on two short lines</extracomment>
        <translation>Ñúúɱƀééŕš
Çááĺĺééđ··</translation>
    </message>
    <message>
        <source>You chose card %1</source>
        <extracomment>Told to a screen reader; %1 is the card&apos;s number, 1 to 5</extracomment>
        <translation>Ýóóúú çĥóóšéé çááŕđ %1··</translation>
    </message>
    <message>
        <source>Click Monitor for Normal Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls at normal pace</extracomment>
        <translation>Çĺííçķ Ḿóóñííţóóŕ fóóŕ Ñóóŕɱááĺ Ṗĺááý····</translation>
    </message>
    <message>
        <source>Click Monitor for Quick Play</source>
        <extracomment>Bonus game caption under the monitor: a click on it calls the balls quickly</extracomment>
        <translation>Çĺííçķ Ḿóóñííţóóŕ fóóŕ Qúúííçķ Ṗĺááý····</translation>
    </message>
    <message>
        <source>; the bonus game pays %1</source>
        <extracomment>Told to a screen reader after the call that ended the bonus game; %1 is what the game paid. Follows the call&apos;s report after a semicolon</extracomment>
        <translation>; ţĥéé ƀóóñúúš ĝááɱéé ṗááýš %1····</translation>
    </message>
    <message>
        <source>Your Card</source>
        <extracomment>Bonus game caption over the card the player chose: keep it short</extracomment>
        <translation>Ýóóúúŕ Çááŕđ·</translation>
    </message>
    <message>
        <source>Select Your Card</source>
        <extracomment>Bonus game caption, flashing until the player picks a card: keep it short</extracomment>
        <translation>Šééĺééçţ Ýóóúúŕ Çááŕđ··</translation>
    </message>
    <message>
        <source>Numbers Called</source>
        <extracomment>Bonus game caption over the count of balls called</extracomment>
        <translation>Ñúúɱƀééŕš Çááĺĺééđ··</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <extracomment>Bonus game caption beside the blackout jackpot: keep it short</extracomment>
        <translation>Ɓĺááçķóóúúţ Ɓóóñúúš·</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, 1 to 5</extracomment>
        <translation>Çááŕđ %1··</translation>
    </message>
    <message>
        <source>Card %1, your card: %2</source>
        <extracomment>The player&apos;s bonus card as a screen reader names it; %1 its number, %2 its score</extracomment>
        <translation>Çááŕđ %1, ýóóúúŕ çááŕđ: %2·····</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <extracomment>A bonus card as a screen reader names it; %1 is its number, %2 its score</extracomment>
        <translation>Çááŕđ %1: %2····</translation>
    </message>
    <message>
        <source>Monitor: quick play</source>
        <extracomment>The bonus game&apos;s monitor as a screen reader names it; checked while quick play is on</extracomment>
        <translation>Ḿóóñííţóóŕ: qúúííçķ ṗĺááý··</translation>
    </message>
    <message>
        <source>Call board: no call yet</source>
        <extracomment>The bonus game&apos;s board of called balls, before any call</extracomment>
        <translation>Çááĺĺ ƀóóááŕđ: ñóó çááĺĺ ýééţ····</translation>
    </message>
    <message>
        <source>Call board: call %1, %2</source>
        <translation>Çááĺĺ ƀóóááŕđ: çááĺĺ %1, %2······</translation>
    </message>
    <message>
        <source>Calls made: %1</source>
        <extracomment>%1 is the number of balls called so far</extracomment>
        <translation>Çááĺĺš ɱááđéé: %1···</translation>
    </message>
    <message>
        <source>Blackout bonus now: %1</source>
        <extracomment>%1 is the blackout jackpot as it stands, in credits</extracomment>
        <translation>Ɓĺááçķóóúúţ ƀóóñúúš ñóóŵ: %1···</translation>
    </message>
    <message>
        <source>%1: won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: ŵóóñ··</translation>
    </message>
    <message>
        <source>%1: not won</source>
        <extracomment>A bonus pattern as a screen reader names it; %1 is its name</extracomment>
        <translation>%1: ñóóţ ŵóóñ···</translation>
    </message>
</context>
<context>
    <name>BorrowWindow</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>ÚÚšéé ţĥííš fóóŕɱ ţóó ƀóóŕŕóóŵ óóŕ ṗááý ƀááçķ çŕééđííţš······</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>An amount button&apos;s tooltip and name for screen readers, &quot;1,000 credits&quot;.</extracomment>
        <translation>%1 çŕééđííţš··</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>Caption of the choice between borrowing and paying back.</extracomment>
        <translation>Ḿóóđéé:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Ɓóóŕŕóóŵ Çŕééđííţš··</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Ṗááý Ɓááçķ Çŕééđííţš···</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ÓÓĶ·</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ĥééĺṗ·</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The borrow window&apos;s Help: &quot;borrow&quot; and &quot;pay back&quot; are its two modes, Borrow Credits and Pay Back Credits.</extracomment>
        <translation>ÚÚšéé ţĥííš šçŕééééñ ţóó ƀóóŕŕóóŵ çŕééđííţš óóŕ ṗááý ƀááçķ çŕééđííţš ţĥááţ ýóóúú ƀóóŕŕóóŵééđ ṗŕéévííóóúúšĺý.  Çĺííçķ óóñ ţĥéé ƀúúţţóóñ ŕééṗŕééšééñţííñĝ ţĥéé ááɱóóúúñţ ţóó ƀóóŕŕóóŵ (óóŕ ṗááý ƀááçķ).<byte value="xd"/>
<byte value="xd"/>
Ţóó šŵííţçĥ ƀééţŵééééñ &quot;ƀóóŕŕóóŵ&quot; ááñđ &quot;ṗááý ƀááçķ&quot; šééĺééçţ ţĥéé ɱóóđéé.···························</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Caption over the meter of the credits borrowed.</extracomment>
        <translation>Ɓóóŕŕóóŵééđ:·</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Caption over the meter of the player&apos;s credits.</extracomment>
        <translation>Çŕééđííţš:··</translation>
    </message>
    <message>
        <source>Borrowed: %1. Credits: %2.</source>
        <translation>Ɓóóŕŕóóŵééđ: %1. Çŕééđííţš: %2.······</translation>
    </message>
</context>
<context>
    <name>CabinetElements</name>
    <message>
        <source>%1 — spins at once</source>
        <extracomment>A credits key as a screen reader names it; %1 is its caption (&quot;2 Credits&quot;)</extracomment>
        <translation>%1 — šṗííñš ááţ óóñçéé····</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A meter as a screen reader names it; %1 is its caption (&quot;Credits&quot;), %2 its figure</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reel</source>
        <extracomment>A reel window&apos;s column as a screen reader names it</extracomment>
        <translation>Ŕééééĺ</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>A reel window&apos;s row as a screen reader names it</extracomment>
        <translation>Ŕóóŵ·</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>The reel window as a screen reader names it</extracomment>
        <translation>Ŕééééĺš</translation>
    </message>
    <message>
        <source>Turning</source>
        <extracomment>A reel cell&apos;s name while the reels turn</extracomment>
        <translation>Ţúúŕñííñĝ·</translation>
    </message>
    <message>
        <source>Payline %1: played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Ṗááýĺííñéé %1: ṗĺááýééđ···</translation>
    </message>
    <message>
        <source>Payline %1: not played</source>
        <extracomment>A payline marker as a screen reader names it; %1 is the payline</extracomment>
        <translation>Ṗááýĺííñéé %1: ñóóţ ṗĺááýééđ···</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The Spin button as a screen reader names it</extracomment>
        <translation>Šṗííñ·</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The Bet Max button as a screen reader names it</extracomment>
        <translation>Ɓééţ Ḿááx·</translation>
    </message>
    <message>
        <source>Insert Coins — borrow credits</source>
        <extracomment>The coin slot as a screen reader names it</extracomment>
        <translation>ÍÍñšééŕţ Çóóííñš — ƀóóŕŕóóŵ çŕééđííţš····</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Çóóííñš</translation>
    </message>
    <message>
        <source>Winnings</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Ŵííññííñĝš··</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>A meter as a screen reader names it</extracomment>
        <translation>Çŕééđííţš·</translation>
    </message>
</context>
<context>
    <name>CabinetKeyTips</name>
    <message>
        <source>%1 — plays 1 payline from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;1 Payline&quot;)</extracomment>
        <translation>%1 — ṗĺááýš 1 ṗááýĺííñéé fŕóóɱ ţĥéé ñééxţ šṗííñ. ÍÍţ đóóééš ñóóţ šṗííñ; ţĥéé Ĺééfţ ááñđ Ŕííĝĥţ ááŕŕóóŵ ķééýš çĥóóóóšéé ţĥéé ĺííñééš ţóóóó.················</translation>
    </message>
    <message>
        <source>%1 — plays %2 paylines from the next spin. It does not spin; the Left and Right arrow keys choose the lines too.</source>
        <extracomment>A lines key&apos;s tooltip; %1 is its caption (&quot;5 Paylines&quot;), %2 the lines</extracomment>
        <translation>%1 — ṗĺááýš %2 ṗááýĺííñééš fŕóóɱ ţĥéé ñééxţ šṗííñ. ÍÍţ đóóééš ñóóţ šṗííñ; ţĥéé Ĺééfţ ááñđ Ŕííĝĥţ ááŕŕóóŵ ķééýš çĥóóóóšéé ţĥéé ĺííñééš ţóóóó.·················</translation>
    </message>
    <message>
        <source>%1 — spins now with 1 credit per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;1 Credit&quot;)</extracomment>
        <translation>%1 — šṗííñš ñóóŵ ŵííţĥ 1 çŕééđííţ ṗééŕ ĺííñéé. Ţóó çĥóóóóšéé ţĥéé çŕééđííţš ŵííţĥóóúúţ šṗííññííñĝ, úúšéé ţĥéé ÚÚṗ ááñđ Đóóŵñ ááŕŕóóŵ ķééýš.···············</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits per line. To choose the credits without spinning, use the Up and Down arrow keys.</source>
        <extracomment>A credits key&apos;s tooltip; %1 is its caption (&quot;2 Credits&quot;), %2 the credits</extracomment>
        <translation>%1 — šṗííñš ñóóŵ ŵííţĥ %2 çŕééđííţš ṗééŕ ĺííñéé. Ţóó çĥóóóóšéé ţĥéé çŕééđííţš ŵííţĥóóúúţ šṗííññííñĝ, úúšéé ţĥéé ÚÚṗ ááñđ Đóóŵñ ááŕŕóóŵ ķééýš.················</translation>
    </message>
    <message>
        <source>%1 — spins now with %2 credits on each of %3 lines, %4 credits in all, when you have that many. Key: M.</source>
        <extracomment>The Bet Max button&apos;s tooltip; %1 is its name, %2 the credits per line, %3 the lines, %4 the whole bet</extracomment>
        <translation>%1 — šṗííñš ñóóŵ ŵííţĥ %2 çŕééđííţš óóñ ééááçĥ óóf %3 ĺííñééš, %4 çŕééđííţš ííñ ááĺĺ, ŵĥééñ ýóóúú ĥáávéé ţĥááţ ɱááñý. Ķééý: Ḿ.···················</translation>
    </message>
    <message>
        <source>%1 — spins with the bet the keys show. Keys: Enter or Space.</source>
        <extracomment>The Spin button&apos;s tooltip; %1 is its name</extracomment>
        <translation>%1 — šṗííñš ŵííţĥ ţĥéé ƀééţ ţĥéé ķééýš šĥóóŵ. Ķééýš: ÉÉñţééŕ óóŕ Šṗááçéé.···········</translation>
    </message>
    <message>
        <source>%1 — a click here does nothing: borrow credits from the Borrow menu, or press Tab until the slot is ringed, then Enter.</source>
        <extracomment>The coin slot&apos;s tooltip; %1 is its caption</extracomment>
        <translation>%1 — áá çĺííçķ ĥééŕéé đóóééš ñóóţĥííñĝ: ƀóóŕŕóóŵ çŕééđííţš fŕóóɱ ţĥéé Ɓóóŕŕóóŵ ɱééñúú, óóŕ ṗŕééšš Ţááƀ úúñţííĺ ţĥéé šĺóóţ ííš ŕííñĝééđ, ţĥééñ ÉÉñţééŕ.·················</translation>
    </message>
</context>
<context>
    <name>CabinetPainter</name>
    <message>
        <source>ENTER = SPIN  M = MAX</source>
        <extracomment>The keys&apos; hint beneath the bet keys, painted in a small box: keep it short</extracomment>
        <translation>ÉÉÑŢÉÉŔ = ŠṖÍÍÑ  Ḿ = ḾÁÁX·····</translation>
    </message>
    <message>
        <source>Oops, I did it again! (%1)</source>
        <translation>ÓÓóóṗš, ÍÍ đííđ ííţ ááĝááííñ! (%1)···</translation>
    </message>
    <message>
        <source> Coins: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the coins bet; keep it short</extracomment>
        <translation> Çóóííñš: ··</translation>
    </message>
    <message>
        <source> Winnings: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the last spin&apos;s winnings; keep it short</extracomment>
        <translation> Ŵííññííñĝš: ···</translation>
    </message>
    <message>
        <source> Credits: </source>
        <extracomment>A meter&apos;s caption on the cabinet, before the player&apos;s credits; keep it short</extracomment>
        <translation> Çŕééđííţš: ··</translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Painted on the coin slot&apos;s small red window, over &quot;Coins&quot;: keep it very short</extracomment>
        <translation>ÍÍñšééŕţ·</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Painted on the coin slot&apos;s plate, under &quot;Insert&quot;: keep it very short</extracomment>
        <translation>Çóóííñš</translation>
    </message>
    <message>
        <source>Bonus Game Paid %1</source>
        <translation>Ɓóóñúúš Ĝááɱéé Ṗááííđ %1··</translation>
    </message>
    <message>
        <source>Play the Bonus Game</source>
        <extracomment>In the message strip when the spin won the bonus game</extracomment>
        <translation>Ṗĺááý ţĥéé Ɓóóñúúš Ĝááɱéé··</translation>
    </message>
    <message>
        <source>Scatter paid %1</source>
        <extracomment>In the message strip; %1 is what the scatter balls paid</extracomment>
        <translation>Šçááţţééŕ ṗááííđ %1··</translation>
    </message>
    <message>
        <source>Line paid %1</source>
        <extracomment>In the message strip, in the payline&apos;s colour; %1 is what the line paid</extracomment>
        <translation>Ĺííñéé ṗááííđ %1·</translation>
    </message>
    <message>
        <source>Game paid %1</source>
        <extracomment>In the message strip; %1 is what the whole spin paid</extracomment>
        <translation>Ĝááɱéé ṗááííđ %1·</translation>
    </message>
    <message>
        <source>1 Payline</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Ṗááýĺííñéé·</translation>
    </message>
    <message>
        <source>3 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Ṗááýĺííñééš·</translation>
    </message>
    <message>
        <source>5 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Ṗááýĺííñééš·</translation>
    </message>
    <message>
        <source>7 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>7 Ṗááýĺííñééš·</translation>
    </message>
    <message>
        <source>9 Paylines</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>9 Ṗááýĺííñééš·</translation>
    </message>
    <message>
        <source>1 Credit</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>1 Çŕééđííţ··</translation>
    </message>
    <message>
        <source>2 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>2 Çŕééđííţš··</translation>
    </message>
    <message>
        <source>3 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>3 Çŕééđííţš··</translation>
    </message>
    <message>
        <source>5 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>5 Çŕééđííţš··</translation>
    </message>
    <message>
        <source>10 Credits</source>
        <extracomment>A bet key&apos;s caption, painted on a small key: keep it short</extracomment>
        <translation>10 Çŕééđííţš··</translation>
    </message>
</context>
<context>
    <name>CabinetPictures</name>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5 or taller.</source>
        <extracomment>%1 is the file; %2 by %3 its size in pixels; %4 by %5 the size the game needs</extracomment>
        <translation>Çááññóóţ úúšéé ţĥéé ṗííçţúúŕéé &quot;%1&quot;: ííţ ííš %2 ƀý %3 ṗííxééĺš, ááñđ ţĥéé ĝááɱéé ñééééđš %4 ƀý %5 óóŕ ţááĺĺééŕ.···············</translation>
    </message>
    <message>
        <source>Cannot use the picture &quot;%1&quot;: it is %2 by %3 pixels, and the game needs %4 by %5.</source>
        <translation>Çááññóóţ úúšéé ţĥéé ṗííçţúúŕéé &quot;%1&quot;: ííţ ííš %2 ƀý %3 ṗííxééĺš, ááñđ ţĥéé ĝááɱéé ñééééđš %4 ƀý %5.··············</translation>
    </message>
</context>
<context>
    <name>CabinetWindow</name>
    <message>
        <source>The game was not stored: %1</source>
        <extracomment>In the message strip; %1 is why the game file could not be written</extracomment>
        <translation>Ţĥéé ĝááɱéé ŵááš ñóóţ šţóóŕééđ: %1····</translation>
    </message>
    <message>
        <source>No sound device was found: the game plays silently.</source>
        <translation>Ñóó šóóúúñđ đéévííçéé ŵááš fóóúúñđ: ţĥéé ĝááɱéé ṗĺááýš šííĺééñţĺý.······</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <extracomment>The cabinet as a screen reader names it</extracomment>
        <translation>Çááƀííñééţ</translation>
    </message>
    <message>
        <source>%1

The game was not stored. Quit without saving it?</source>
        <translation>%1

Ţĥéé ĝááɱéé ŵááš ñóóţ šţóóŕééđ. Qúúííţ ŵííţĥóóúúţ šáávííñĝ ííţ?······</translation>
    </message>
    <message>
        <source>There is no game file to keep this game in. Quit without saving it?</source>
        <translation>Ţĥééŕéé ííš ñóó ĝááɱéé fííĺéé ţóó ķééééṗ ţĥííš ĝááɱéé ííñ. Qúúííţ ŵííţĥóóúúţ šáávííñĝ ííţ?····</translation>
    </message>
    <message>
        <source>Stop &amp;Autoplay</source>
        <extracomment>Menu item: ends the autoplay run under way</extracomment>
        <translation>Šţóóṗ &amp;ÁÁúúţóóṗĺááý·</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>&amp;ÁÁúúţóóṗĺááý…</translation>
    </message>
    <message>
        <source>Bonus game paid %1; game paid %2</source>
        <extracomment>Told to a screen reader once the bonus game is over</extracomment>
        <translation>Ɓóóñúúš ĝááɱéé ṗááííđ %1; ĝááɱéé ṗááííđ %2···</translation>
    </message>
    <message>
        <source>&amp;More Lines</source>
        <extracomment>Menu item: plays one more payline</extracomment>
        <translation>&amp;Ḿóóŕéé Ĺííñééš·</translation>
    </message>
    <message>
        <source>&amp;Fewer Lines</source>
        <extracomment>Menu item: plays one payline fewer</extracomment>
        <translation>&amp;Fééŵééŕ Ĺííñééš·</translation>
    </message>
    <message>
        <source>More &amp;Credits per Line</source>
        <extracomment>Menu item: bets more credits on each payline</extracomment>
        <translation>Ḿóóŕéé &amp;Çŕééđííţš ṗééŕ Ĺííñéé··</translation>
    </message>
    <message>
        <source>Fewer C&amp;redits per Line</source>
        <extracomment>Menu item: bets fewer credits on each payline</extracomment>
        <translation>Fééŵééŕ Ç&amp;ŕééđííţš ṗééŕ Ĺííñéé···</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Fííĺéé</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>Menu item: starts a new game</extracomment>
        <translation>&amp;Ñééŵ Ĝááɱéé·</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <extracomment>Menu item: opens a game kept in a slot</extracomment>
        <translation>&amp;ÓÓṗééñ Ĝááɱéé</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <extracomment>Menu item: keeps the game in a slot</extracomment>
        <translation>&amp;Šáávéé Ĝááɱéé</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program</extracomment>
        <translation>ÉÉ&amp;xííţ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;ÓÓṗţííóóñš·</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Menu item, checked while sound effects play</extracomment>
        <translation>Šóóúúñđ</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>Menu item, checked while music plays</extracomment>
        <translation>Ḿúúšííç</translation>
    </message>
    <message>
        <source>Volume…</source>
        <extracomment>Menu item: opens the volume window</extracomment>
        <translation>Vóóĺúúɱéé…</translation>
    </message>
    <message>
        <source>&amp;Quick Play</source>
        <extracomment>Menu item, checked while the game plays quickly</extracomment>
        <translation>&amp;Qúúííçķ Ṗĺááý··</translation>
    </message>
    <message>
        <source>Re&amp;duce Motion</source>
        <extracomment>Menu item, checked while the reels and pay-outs move less</extracomment>
        <translation>Ŕéé&amp;đúúçéé Ḿóóţííóóñ</translation>
    </message>
    <message>
        <source>Line &amp;Patterns</source>
        <extracomment>Menu item, checked while each payline is drawn in a pattern of its own</extracomment>
        <translation>Ĺííñéé &amp;Ṗááţţééŕñš··</translation>
    </message>
    <message>
        <source>High Co&amp;ntrast</source>
        <extracomment>Menu item, checked while the captions are drawn in high contrast</extracomment>
        <translation>Ĥííĝĥ Çóó&amp;ñţŕáášţ···</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <extracomment>Menu item: opens the window that chooses the interface&apos;s language</extracomment>
        <translation>&amp;Ĺááñĝúúááĝéé…</translation>
    </message>
    <message>
        <source>Game &amp;History…</source>
        <extracomment>Menu item: opens the list of the last spins</extracomment>
        <translation>Ĝááɱéé &amp;Ĥííšţóóŕý…··</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar item: borrows credits</extracomment>
        <translation>&amp;Ɓóóŕŕóóŵ·</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <extracomment>Menu bar item: shows the game&apos;s statistics</extracomment>
        <translation>&amp;Šţááţš··</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar item: shows the pay table</extracomment>
        <translation>&amp;Ṗááýóóffš··</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title</extracomment>
        <translation>&amp;Ĥééĺṗ·</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Menu item: shows the program&apos;s name and version</extracomment>
        <translation>Vééŕšííóóñ</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <extracomment>Menu item: opens the manual; %1 is the game&apos;s name</extracomment>
        <translation>&amp;Ḿááñúúááĺ</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <translation>&amp;%1 Ḿááñúúááĺ·</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Version:  %2</source>
        <extracomment>The Version box; %1 is the game&apos;s name, %2 its version. Keep the line breaks.</extracomment>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Vééŕšííóóñ:  %2·····</translation>
    </message>
    <message>
        <source>Remember My &amp;Bet</source>
        <extracomment>Menu item, checked while the bet is kept for the next time the game starts</extracomment>
        <translation>Ŕééɱééɱƀééŕ Ḿý &amp;Ɓééţ···</translation>
    </message>
    <message>
        <source>Play Rem&amp;inder…</source>
        <extracomment>Menu item: opens the window that sets how often the game tells the time and credits played</extracomment>
        <translation>Ṗĺááý Ŕééɱ&amp;ííñđééŕ…··</translation>
    </message>
    <message>
        <source>The spin count has reached its limit; the statistics stop counting.</source>
        <translation>Ţĥéé šṗííñ çóóúúñţ ĥááš ŕééááçĥééđ ííţš ĺííɱííţ; ţĥéé šţááţííšţííçš šţóóṗ çóóúúñţííñĝ.········</translation>
    </message>
    <message>
        <source>The total bets have reached their limit; the statistics stop counting.</source>
        <translation>Ţĥéé ţóóţááĺ ƀééţš ĥáávéé ŕééááçĥééđ ţĥééííŕ ĺííɱííţ; ţĥéé šţááţííšţííçš šţóóṗ çóóúúñţííñĝ.·······</translation>
    </message>
    <message>
        <source>The bonus total has reached its limit; the statistics stop counting.</source>
        <translation>Ţĥéé ƀóóñúúš ţóóţááĺ ĥááš ŕééááçĥééđ ííţš ĺííɱííţ; ţĥéé šţááţííšţííçš šţóóṗ çóóúúñţííñĝ.········</translation>
    </message>
    <message>
        <source>Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.</source>
        <extracomment>In the message strip once, at the first start: the cabinet&apos;s keys. Keep it short</extracomment>
        <translation>Ķééýš: ÉÉñţééŕ šṗííñš, Ḿ ƀééţš ɱááx, ţĥéé ááŕŕóóŵš çĥóóóóšéé ţĥéé ƀééţ, F1 óóṗééñš ţĥéé ɱááñúúááĺ.············</translation>
    </message>
    <message>
        <source>Credits are at their limit; 1 credit of this win could not be paid.</source>
        <extracomment>In the message strip when the credits cannot take all of a win</extracomment>
        <translation>Çŕééđííţš ááŕéé ááţ ţĥééííŕ ĺííɱííţ; 1 çŕééđííţ óóf ţĥííš ŵííñ çóóúúĺđ ñóóţ ƀéé ṗááííđ.·······</translation>
    </message>
    <message>
        <source>Credits are at their limit; %1 credits of this win could not be paid.</source>
        <translation>Çŕééđííţš ááŕéé ááţ ţĥééííŕ ĺííɱííţ; %1 çŕééđííţš óóf ţĥííš ŵííñ çóóúúĺđ ñóóţ ƀéé ṗááííđ.········</translation>
    </message>
</context>
<context>
    <name>CardColours</name>
    <message>
        <source>Blue</source>
        <translation>Ɓĺúúéé</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Ŕééđ·</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Ŵĥííţéé</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Ĝŕééééñ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Ýééĺĺóóŵ·</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The colour of a bonus card the history does not know.</extracomment>
        <translation>ÚÚñķñóóŵñ·</translation>
    </message>
</context>
<context>
    <name>ChartRows</name>
    <message>
        <source>%1 pays %2</source>
        <extracomment>A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay</extracomment>
        <translation>%1 ṗááýš %2···</translation>
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
        <translation>%1 ṗááý %2···</translation>
    </message>
    <message>
        <source>Scatter balls, times the total bet: %1</source>
        <extracomment>The scatter pays as a screen reader reads them; %1 is their list, &quot;5 pay 50, 4 pay 10&quot;</extracomment>
        <translation>Šçááţţééŕ ƀááĺĺš, ţííɱééš ţĥéé ţóóţááĺ ƀééţ: %1·······</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: quillane [--help] [--version] [Qt options]
Quillane, a five-reel, nine-line video slot with a blackout-bingo bonus game.
</source>
        <extracomment>The command line&apos;s help: how the program is started. Keep &quot;quillane&quot; and the options</extracomment>
        <translation>úúšááĝéé: qúúííĺĺááñéé [--ĥééĺṗ] [--vééŕšííóóñ] [Qţ óóṗţííóóñš]
Qúúííĺĺááñéé, áá fíívéé-ŕééééĺ, ñííñéé-ĺííñéé vííđééóó šĺóóţ ŵííţĥ áá ƀĺááçķóóúúţ-ƀííñĝóó ƀóóñúúš ĝááɱéé.
··········</translation>
    </message>
    <message>
        <source>  -h, --help   print this help and leave
  --version    print the version and leave
</source>
        <extracomment>The command line&apos;s help: the options, aligned in two columns. Keep the option names</extracomment>
        <translation>  -ĥ, --ĥééĺṗ   ṗŕííñţ ţĥííš ĥééĺṗ ááñđ ĺééáávéé
  --vééŕšííóóñ    ṗŕííñţ ţĥéé vééŕšííóóñ ááñđ ĺééáávéé
··············</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform NAME or -style NAME, are also taken.
The game is kept in $XDG_CONFIG_HOME/quillane/quillane.ini (~/.config/quillane/).
Pictures, sounds and music of your own go in $XDG_DATA_HOME/quillane
(~/.local/share/quillane/). F1 in the game opens the manual; see also quillane(6).
</source>
        <extracomment>The command line&apos;s help: where the game keeps its files. Keep the paths and names</extracomment>
        <translation>Qţ&apos;š óóŵñ óóṗţííóóñš, šúúçĥ ááš -ṗĺááţfóóŕɱ ÑÁÁḾÉÉ óóŕ -šţýĺéé ÑÁÁḾÉÉ, ááŕéé ááĺšóó ţááķééñ.
Ţĥéé ĝááɱéé ííš ķééṗţ ííñ $XĐĜ_ÇÓÓÑFÍÍĜ_ĤÓÓḾÉÉ/qúúííĺĺááñéé/qúúííĺĺááñéé.ííñíí (~/.çóóñfííĝ/qúúííĺĺááñéé/).
Ṗííçţúúŕééš, šóóúúñđš ááñđ ɱúúšííç óóf ýóóúúŕ óóŵñ ĝóó ííñ $XĐĜ_ĐÁÁŢÁÁ_ĤÓÓḾÉÉ/qúúííĺĺááñéé
(~/.ĺóóçááĺ/šĥááŕéé/qúúííĺĺááñéé/). F1 ííñ ţĥéé ĝááɱéé óóṗééñš ţĥéé ɱááñúúááĺ; šéééé ááĺšóó qúúííĺĺááñéé(6).
·····························</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the argument given</extracomment>
        <translation>úúñééxṗééçţééđ ááŕĝúúɱééñţ &apos;%1&apos;···</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>óóṗţííóóñ &apos;%1&apos; ñééééđš áá vááĺúúéé·</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>A command line error; %1 is the option given</extracomment>
        <translation>úúñķñóóŵñ óóṗţííóóñ &apos;%1&apos;···</translation>
    </message>
    <message>
        <source>quillane: %1 (try --help)
</source>
        <extracomment>How a command line error is printed; %1 is the error. Keep &quot;quillane&quot; and &quot;--help&quot;</extracomment>
        <translation>qúúííĺĺááñéé: %1 (ţŕý --ĥééĺṗ)
······</translation>
    </message>
    <message>
        <source>quillane: cannot write the output: %1
</source>
        <extracomment>Printed when the help or the version could not be written, to a full disc or a closed pipe; %1 is the system&apos;s reason. Keep &quot;quillane&quot;</extracomment>
        <translation>qúúííĺĺááñéé: çááññóóţ ŵŕííţéé ţĥéé óóúúţṗúúţ: %1
····</translation>
    </message>
</context>
<context>
    <name>CreditsPlot</name>
    <message>
        <source>No spins yet</source>
        <extracomment>Written small across the empty plot of the credits.</extracomment>
        <translation>Ñóó šṗííñš ýééţ··</translation>
    </message>
</context>
<context>
    <name>GameProgram</name>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>An error box&apos;s text when something unforeseen went wrong</extracomment>
        <translation>ÁÁñ úúñééxṗééçţééđ ééŕŕóóŕ óóççúúŕŕééđ.··</translation>
    </message>
    <message>
        <source>Quillane is already running.</source>
        <extracomment>Shown when the player starts the game a second time</extracomment>
        <translation>Qúúííĺĺááñéé ííš ááĺŕééááđý ŕúúññííñĝ.··</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual &quot;%1&quot; could not be found.</source>
        <extracomment>%1 is the manual&apos;s file</extracomment>
        <translation>Ţĥéé ɱááñúúááĺ &quot;%1&quot; çóóúúĺđ ñóóţ ƀéé fóóúúñđ.····</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ḿááñúúááĺ</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Reels: %1</source>
        <extracomment>Read by screen readers: a spin&apos;s symbols, row by row.</extracomment>
        <translation>Ŕééééĺš: %1··</translation>
    </message>
    <message>
        <source>Bet %1: 1 line at %2</source>
        <extracomment>A spin&apos;s bet: the credits bet, the paylines played and the credits on each line.</extracomment>
        <translation>Ɓééţ %1: 1 ĺííñéé ááţ %2····</translation>
    </message>
    <message>
        <source>Bet %1: %2 lines at %3</source>
        <translation>Ɓééţ %1: %2 ĺííñééš ááţ %3·····</translation>
    </message>
    <message>
        <source>Credits after: %1</source>
        <translation>Çŕééđííţš ááfţééŕ: %1···</translation>
    </message>
    <message>
        <source>Line %1: 1 symbol pays %2</source>
        <extracomment>A line win: the payline, how many symbols in a row and what they paid.</extracomment>
        <translation>Ĺííñéé %1: 1 šýɱƀóóĺ ṗááýš %2······</translation>
    </message>
    <message>
        <source>Line %1: %2 symbols pay %3</source>
        <translation>Ĺííñéé %1: %2 šýɱƀóóĺš ṗááý %3·······</translation>
    </message>
    <message>
        <source>Scatter: 1 ball pay %1</source>
        <extracomment>A scatter win: how many BINGO balls showed and what they paid.</extracomment>
        <translation>Šçááţţééŕ: 1 ƀááĺĺ ṗááý %1·····</translation>
    </message>
    <message>
        <source>Scatter: %1 balls pay %2</source>
        <translation>Šçááţţééŕ: %1 ƀááĺĺš ṗááý %2······</translation>
    </message>
    <message>
        <source>Balls: %1</source>
        <extracomment>BINGO balls that showed, too few to pay.</extracomment>
        <translation>Ɓááĺĺš: %1···</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Ñóó ŵííñ·</translation>
    </message>
    <message>
        <source>Bonus game: %1 card, %2 calls</source>
        <extracomment>%1 is the colour of the card the player chose, %2 how many numbers were called.</extracomment>
        <translation>Ɓóóñúúš ĝááɱéé: %1 çááŕđ, %2 çááĺĺš······</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A bingo pattern won and the credits it paid, &quot;Four Corners 20&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Patterns won: none</source>
        <extracomment>The list of patterns won, each with its pay, &quot;Four Corners 20, Big X 20&quot;.</extracomment>
        <translation>Ṗááţţééŕñš ŵóóñ: ñóóñéé···</translation>
    </message>
    <message>
        <source>Patterns won: %1</source>
        <translation>Ṗááţţééŕñš ŵóóñ: %1····</translation>
    </message>
    <message>
        <source>Bonus paid: %1</source>
        <translation>Ɓóóñúúš ṗááííđ: %1··</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Ĝááɱéé Ĥííšţóóŕý·</translation>
    </message>
    <message>
        <source>No spins yet in this game.</source>
        <translation>Ñóó šṗííñš ýééţ ííñ ţĥííš ĝááɱéé.····</translation>
    </message>
    <message>
        <source>The last spin of this game, newest first:</source>
        <translation>Ţĥéé ĺáášţ šṗííñ óóf ţĥííš ĝááɱéé, ñééŵééšţ fííŕšţ:·······</translation>
    </message>
    <message>
        <source>The last %1 spins of this game, newest first:</source>
        <translation>Ţĥéé ĺáášţ %1 šṗííñš óóf ţĥííš ĝááɱéé, ñééŵééšţ fííŕšţ:········</translation>
    </message>
    <message>
        <source>The history is not being kept on disk. %1</source>
        <extracomment>%1 says why, as the game&apos;s storage reports it.</extracomment>
        <translation>Ţĥéé ĥííšţóóŕý ííš ñóóţ ƀééííñĝ ķééṗţ óóñ đííšķ. %1·······</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Çĺóóšéé</translation>
    </message>
</context>
<context>
    <name>Jpeg</name>
    <message>
        <source>Picture needs more than %1 MiB to decode</source>
        <extracomment>Why a picture cannot be read; %1 is a number of mebibytes</extracomment>
        <translation>Ṗííçţúúŕéé ñééééđš ɱóóŕéé ţĥááñ %1 ḾííƁ ţóó đééçóóđéé···</translation>
    </message>
    <message>
        <source>Picture has more than %1 scans</source>
        <extracomment>Why a picture cannot be read; %1 is the most scans of a progressive JPEG taken</extracomment>
        <translation>Ṗííçţúúŕéé ĥááš ɱóóŕéé ţĥááñ %1 šçááñš····</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>ÇḾÝĶ ṗííçţúúŕééš ááŕéé ñóóţ šúúṗṗóóŕţééđ····</translation>
    </message>
    <message>
        <source>Picture too large: %1 x %2 pixels, more than %3 a side or %4 in all</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size, %3 and %4 the limits</extracomment>
        <translation>Ṗííçţúúŕéé ţóóóó ĺááŕĝéé: %1 x %2 ṗííxééĺš, ɱóóŕéé ţĥááñ %3 áá šííđéé óóŕ %4 ííñ ááĺĺ·········</translation>
    </message>
    <message>
        <source>Not enough memory for a %1 x %2 picture</source>
        <extracomment>Why a picture cannot be read; %1 x %2 is its size in pixels</extracomment>
        <translation>Ñóóţ ééñóóúúĝĥ ɱééɱóóŕý fóóŕ áá %1 x %2 ṗííçţúúŕéé·····</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <extracomment>Why a picture cannot be read</extracomment>
        <translation>Ţĥéé ṗííçţúúŕéé ííš ééɱṗţý··</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <extracomment>%1 is the picture&apos;s file, %2 why it cannot be read</extracomment>
        <translation>Çááññóóţ ŕééááđ ţĥéé ṗííçţúúŕéé &quot;%1&quot;: %2·····</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Ĺááñĝúúááĝéé</translation>
    </message>
    <message>
        <source>Show Quillane in:</source>
        <translation>Šĥóóŵ Qúúííĺĺááñéé ííñ:·</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <extracomment>The first choice of the language dialog; %1 is the desktop&apos;s language in its own words.</extracomment>
        <translation>Ţĥéé đééšķţóóṗ&apos;š ĺááñĝúúááĝéé (%1)····</translation>
    </message>
</context>
<context>
    <name>PatternNames</name>
    <message>
        <source>Large Plus</source>
        <translation>Ĺááŕĝéé Ṗĺúúš·</translation>
    </message>
    <message>
        <source>Large X</source>
        <translation>Ĺááŕĝéé X·</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Fóóúúŕ Çóóŕñééŕš·</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <translation>ÍÍñšííđéé Çóóŕñééŕš·</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Šóóĺííđ Đííááɱóóñđ·</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <translation>Šɱááĺĺ Đííááɱóóñđ··</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <translation>Ĺááŕĝéé Đííááɱóóñđ·</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Ṗííçţúúŕéé Fŕááɱéé·</translation>
    </message>
    <message>
        <source>Small Frame</source>
        <translation>Šɱááĺĺ Fŕááɱéé··</translation>
    </message>
    <message>
        <source>Any Bingo</source>
        <translation>ÁÁñý Ɓííñĝóó·</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <translation>Đóóúúƀĺéé Ĥááŕđ Ŵááý·</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Ṗóóšţááĝéé Šţááɱṗ··</translation>
    </message>
    <message>
        <source>Blackout Bonus</source>
        <translation>Ɓĺááçķóóúúţ Ɓóóñúúš·</translation>
    </message>
</context>
<context>
    <name>PayoffChart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Ṗááýóóff Çĥááŕţ··</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The payoff chart&apos;s button that closes it.</extracomment>
        <translation>Çĺóóšéé</translation>
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
        <translation>ÁÁĺĺ ṗááýóóffš ááŕéé ƀáášééđ óóñ çóóííñš
ƀééţ ṗééŕ ĺííñéé ééxçééṗţ šçááţţééŕ ŵííñš
ŵĥííçĥ ááŕéé ƀáášééđ óóñ ţóóţááĺ çŕééđííţš.
Ĺííñééš ṗááý fŕóóɱ ţĥéé ĺééfţ šííđéé óóñĺý.
Šçááţţééŕš ŵííñ ííñ ááñý ṗóóšííţííóóñ.
Ŵííĺđ šýɱƀóóĺš ɱááţçĥ ááñý ééxçééṗţ
ţĥéé ƁÍÍÑĜÓÓ ƀááĺĺš.···························</translation>
    </message>
    <message>
        <source>Collect a Scatter win by getting
three or more BINGO Balls on
the screen in any position.</source>
        <extracomment>Above the scatter pays on the payoff chart, in a narrow column of three lines: a &quot;
&quot; ends a line, and a line too long for the column is broken between words.</extracomment>
        <translation>Çóóĺĺééçţ áá Šçááţţééŕ ŵííñ ƀý ĝééţţííñĝ
ţĥŕéééé óóŕ ɱóóŕéé ƁÍÍÑĜÓÓ Ɓááĺĺš óóñ
ţĥéé šçŕééééñ ííñ ááñý ṗóóšííţííóóñ.··········</translation>
    </message>
    <message>
        <source>Scatter wins start bonus game.</source>
        <extracomment>Below the scatter pays on the payoff chart, one short line.</extracomment>
        <translation>Šçááţţééŕ ŵííñš šţááŕţ ƀóóñúúš ĝááɱéé.····</translation>
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
        <translation>Ţĥéé Ɓííñĝóó Ɓóóñúúš Ĝááɱéé ííš ṗĺááýééđ ŵĥééñ ýóóúú ĝééţ ţĥŕéééé óóŕ ɱóóŕéé Ɓííñĝóó Ɓááĺĺš óóñ ţĥéé šçŕééééñ đúúŕííñĝ ááñý šĺóóţ šṗííñ.  Ŵĥééñ ýóóúú ĝééţ ţóó ţĥéé
Ɓóóñúúš Ĝááɱéé, šééĺééçţ ááñý óóf ţĥéé fíívéé ƀííñĝóó çááŕđš.  ÁÁ ĝááɱéé óóf ƀĺááçķóóúúţ ƀííñĝóó ííš ṗĺááýééđ úúñţííĺ óóñéé óóŕ ɱóóŕéé óóf ţĥéé çááŕđš ŵííñš ţĥéé ƀĺááçķóóúúţ ĝááɱéé.
Ĥóóŵéévééŕ, ááĺóóñĝ ţĥéé ŵááý, ţŵééĺéévéé óóţĥééŕ ƀííñĝóó vááŕííááţííóóñš çááñ ƀéé ŵóóñ.  Ţĥéé ĝááɱéé ṗááýš fóóúúŕ ţííɱééš ýóóúúŕ ĺáášţ šĺóóţ ƀééţ (ţóóţááĺ çŕééđííţš ƀééţ) fóóŕ ééááçĥ
ƀííñĝóó vááŕííááţííóóñ ýóóúú ŵííñ.  Ţĥéé ƀĺááçķóóúúţ ƀííñĝóó ĝááɱéé çááñ ṗááý ɱóóŕéé ţĥááñ ţĥéé óóţĥééŕ ƀííñĝóó vááŕííááţííóóñš ííf ííţ ííš ŵóóñ ƀééfóóŕéé 72 ƀííñĝóó ƀááĺĺš ááŕéé çááĺĺééđ.
Ţĥéé ƀóóñúúš çááñ ƀéé ááš ɱúúçĥ ááš 50,000 ţííɱééš ýóóúúŕ ĺáášţ šĺóóţ ƀééţ.  Ţĥííš ƀóóñúúš ááɱóóúúñţ ííš ŕééđúúçééđ ƀý 17.5% fóóŕ éévééŕý ñúúɱƀééŕ çááĺĺééđ ááfţééŕ ţĥéé
fííŕšţ 24 ñúúɱƀééŕš ááŕéé çááĺĺééđ.  Çááŕđš ááŕéé ɱááŕķééđ (&quot;đóóƀƀééđ&quot;) ááúúţóóɱááţííçááĺĺý ƀý ţĥéé ĝááɱéé.  Šííţ ƀááçķ ááñđ ééñjóóý.  ÁÁñđ ĜÓÓÓÓĐ ĹÚÚÇĶ!·····················································································</translation>
    </message>
    <message>
        <source>Blackout Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Ɓĺááçķóóúúţ Ɓííñĝóó·</translation>
    </message>
    <message>
        <source>Any Way Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>ÁÁñý Ŵááý Ɓííñĝóó··</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Ṗóóšţááĝéé Šţááɱṗ··</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Fóóúúŕ Çóóŕñééŕš·</translation>
    </message>
    <message>
        <source>Inside Corners</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>ÍÍñšííđéé Çóóŕñééŕš·</translation>
    </message>
    <message>
        <source>Double Hard Way</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Đóóúúƀĺéé Ĥááŕđ Ŵááý·</translation>
    </message>
    <message>
        <source>Inside Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>ÍÍñšííđéé Đííááɱóóñđ</translation>
    </message>
    <message>
        <source>Large Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Ĺááŕĝéé Đííááɱóóñđ·</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Šóóĺííđ Đííááɱóóñđ·</translation>
    </message>
    <message>
        <source>Big Plus Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Ɓííĝ Ṗĺúúš Ɓííñĝóó··</translation>
    </message>
    <message>
        <source>Big X Bingo</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Ɓííĝ X Ɓííñĝóó··</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>ÍÍñšííđéé Fŕááɱéé</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <extracomment>A bingo pattern&apos;s name under its diagram on the payoff chart: keep it short.</extracomment>
        <translation>Ṗííçţúúŕéé Fŕááɱéé·</translation>
    </message>
    <message>
        <source>BINGO Jackpot - Get all five BINGO Balls on a Payline</source>
        <extracomment>The payoff chart&apos;s heading over the five BINGO balls, on one line.</extracomment>
        <translation>ƁÍÍÑĜÓÓ Jááçķṗóóţ - Ĝééţ ááĺĺ fíívéé ƁÍÍÑĜÓÓ Ɓááĺĺš óóñ áá Ṗááýĺííñéé······</translation>
    </message>
    <message>
        <source>Pays %1 X Coins Per Line Bet</source>
        <extracomment>Under the five BINGO balls on the payoff chart, on one line.</extracomment>
        <translation>Ṗááýš %1 X Çóóííñš Ṗééŕ Ĺííñéé Ɓééţ·····</translation>
    </message>
</context>
<context>
    <name>RefusalText</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Ñóó ƀééţ ŵááš ṗĺááçééđ!···</translation>
    </message>
    <message>
        <source>You have %1, but you tried to bet %2 credits.  You cannot bet more credits than you have.  Borrow some credits or place a smaller bet.</source>
        <translation>Ýóóúú ĥáávéé %1, ƀúúţ ýóóúú ţŕííééđ ţóó ƀééţ %2 çŕééđííţš.  Ýóóúú çááññóóţ ƀééţ ɱóóŕéé çŕééđííţš ţĥááñ ýóóúú ĥáávéé.  Ɓóóŕŕóóŵ šóóɱéé çŕééđííţš óóŕ ṗĺááçéé áá šɱááĺĺééŕ ƀééţ.··············</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Ýóóúú đóó ñóóţ ĥáávéé %1 çŕééđííţš!···</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Ýóóúú çááññóóţ ṗááý ƀááçķ ɱóóŕéé çŕééđííţš ţĥááñ ýóóúú ĥáávéé ƀóóŕŕóóŵééđ!·····</translation>
    </message>
    <message>
        <source>You cannot borrow %1 more credits: the credits and the borrowed credits cannot go past %2.</source>
        <translation>Ýóóúú çááññóóţ ƀóóŕŕóóŵ %1 ɱóóŕéé çŕééđííţš: ţĥéé çŕééđííţš ááñđ ţĥéé ƀóóŕŕóóŵééđ çŕééđííţš çááññóóţ ĝóó ṗáášţ %2.············</translation>
    </message>
    <message>
        <source>There is no game file to store the game in.</source>
        <translation>Ţĥééŕéé ííš ñóó ĝááɱéé fííĺéé ţóó šţóóŕéé ţĥéé ĝááɱéé ííñ.···</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that sets the play reminder</extracomment>
        <translation>Ṗĺááý Ŕééɱííñđééŕ··</translation>
    </message>
    <message>
        <source>Remind me of the time played and the credits won or lost:</source>
        <translation>Ŕééɱííñđ ɱéé óóf ţĥéé ţííɱéé ṗĺááýééđ ááñđ ţĥéé çŕééđííţš ŵóóñ óóŕ ĺóóšţ:·······</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <extracomment>The play reminder switched off</extracomment>
        <translation>&amp;Ñéévééŕ·</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>ÉÉvééŕý %1 ɱííñúúţééš··</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Ŕééɱííñđ ɱéé ŵííţĥ:··</translation>
    </message>
    <message>
        <source>A &amp;notice over the meters</source>
        <translation>ÁÁ &amp;ñóóţííçéé óóvééŕ ţĥéé ɱééţééŕš·</translation>
    </message>
    <message>
        <source>A &amp;window that pauses autoplay</source>
        <translation>ÁÁ &amp;ŵííñđóóŵ ţĥááţ ṗááúúšééš ááúúţóóṗĺááý·</translation>
    </message>
</context>
<context>
    <name>ReminderText</name>
    <message>
        <source>You have played for %1 minute.</source>
        <translation>Ýóóúú ĥáávéé ṗĺááýééđ fóóŕ %1 ɱííñúúţéé.··</translation>
    </message>
    <message>
        <source>You have played for %1 minutes.</source>
        <translation>Ýóóúú ĥáávéé ṗĺááýééđ fóóŕ %1 ɱííñúúţééš.···</translation>
    </message>
    <message>
        <source>You are even.</source>
        <extracomment>The session has won as many credits as it has lost</extracomment>
        <translation>Ýóóúú ááŕéé éévééñ.</translation>
    </message>
    <message>
        <source>You have won %1 credit.</source>
        <translation>Ýóóúú ĥáávéé ŵóóñ %1 çŕééđííţ.···</translation>
    </message>
    <message>
        <source>You have won %1 credits.</source>
        <translation>Ýóóúú ĥáávéé ŵóóñ %1 çŕééđííţš.···</translation>
    </message>
    <message>
        <source>You have lost %1 credit.</source>
        <translation>Ýóóúú ĥáávéé ĺóóšţ %1 çŕééđííţ.···</translation>
    </message>
    <message>
        <source>You have lost %1 credits.</source>
        <translation>Ýóóúú ĥáávéé ĺóóšţ %1 çŕééđííţš.···</translation>
    </message>
    <message>
        <source>Session %1</source>
        <extracomment>In the status bar: how long this session has lasted, as hours:minutes</extracomment>
        <translation>Šééššííóóñ %1·</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Play Reminder</source>
        <extracomment>The title of the window that reminds the player of the time and credits played</extracomment>
        <translation>Ṗĺááý Ŕééɱííñđééŕ··</translation>
    </message>
    <message>
        <source>&amp;Play On</source>
        <extracomment>Closes the play reminder; autoplay, if it runs, goes on</extracomment>
        <translation>&amp;Ṗĺááý ÓÓñ··</translation>
    </message>
    <message>
        <source>&amp;Stop Autoplay</source>
        <translation>&amp;Šţóóṗ ÁÁúúţóóṗĺááý·</translation>
    </message>
</context>
<context>
    <name>ReturnText</name>
    <message>
        <source>1 line × 1 credit</source>
        <translation>1 ĺííñéé × 1 çŕééđííţ···</translation>
    </message>
    <message>
        <source>1 line × %1 credits</source>
        <translation>1 ĺííñéé × %1 çŕééđííţš····</translation>
    </message>
    <message>
        <source>%1 lines × 1 credit</source>
        <translation>%1 ĺííñééš × 1 çŕééđííţ····</translation>
    </message>
    <message>
        <source>%1 lines × %2 credits</source>
        <translation>%1 ĺííñééš × %2 çŕééđííţš·····</translation>
    </message>
    <message>
        <source>not estimated</source>
        <extracomment>The bonus game&apos;s share of the return, when no simulation gives it for this bet.</extracomment>
        <translation>ñóóţ ééšţííɱááţééđ·</translation>
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
        <translation>%1 šííɱúúĺááţééđ ĝááɱééš··</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>Ŕééţúúŕñ ááţ %1: ƀáášéé ĝááɱéé %2 (ééxááçţ)·····</translation>
    </message>
    <message>
        <source>Return at %1: base game %2 (exact), bonus %3 (estimated from %4)</source>
        <extracomment>One line across the foot of the payoff chart: %1 is a bet, &quot;9 lines × 1 credit&quot;, %3 an estimate, &quot;≈ 65.90% ± 0.01%&quot;, %4 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>Ŕééţúúŕñ ááţ %1: ƀáášéé ĝááɱéé %2 (ééxááçţ), ƀóóñúúš %3 (ééšţííɱááţééđ fŕóóɱ %4)··········</translation>
    </message>
</context>
<context>
    <name>SdlAudio</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be opened; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Çááññóóţ óóṗééñ fííĺéé &quot;%1&quot;. %2····</translation>
    </message>
    <message>
        <source>Cannot play file &quot;%1&quot;. %2</source>
        <extracomment>A sound or music file could not be played; %1 is the file, %2 why (a sentence)</extracomment>
        <translation>Çááññóóţ ṗĺááý fííĺéé &quot;%1&quot;. %2·····</translation>
    </message>
    <message>
        <source>Cannot play music: no file name was given.</source>
        <translation>Çááññóóţ ṗĺááý ɱúúšííç: ñóó fííĺéé ñááɱéé ŵááš ĝíívééñ.····</translation>
    </message>
    <message>
        <source>It is not a Standard MIDI File.</source>
        <extracomment>Why a music file cannot be played</extracomment>
        <translation>ÍÍţ ííš ñóóţ áá Šţááñđááŕđ ḾÍÍĐÍÍ Fííĺéé.···</translation>
    </message>
    <message>
        <source>Cannot open the audio device. %1</source>
        <extracomment>%1 is the sound system&apos;s reason, in English</extracomment>
        <translation>Çááññóóţ óóṗééñ ţĥéé ááúúđííóó đéévííçéé. %1·</translation>
    </message>
</context>
<context>
    <name>SlotDialog</name>
    <message>
        <source>MM/dd/yy</source>
        <extracomment>The Qt date format of a save slot&apos;s date (MM month, dd day, yy year), e.g. &quot;dd.MM.yy&quot;.</extracomment>
        <translation>MM/dd/yy</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Çááñçééĺ·</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ĥééĺṗ·</translation>
    </message>
    <message>
        <source>Slot %1 name</source>
        <extracomment>Read by screen readers: the box that holds a saved game&apos;s name.</extracomment>
        <translation>Šĺóóţ %1 ñááɱéé··</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A slot&apos;s own button, which saves or opens the game in it: keep it short.</extracomment>
        <translation>ÓÓĶ</translation>
    </message>
    <message>
        <source>Save in slot %1</source>
        <translation>Šáávéé ííñ šĺóóţ %1··</translation>
    </message>
    <message>
        <source>Open slot %1</source>
        <translation>ÓÓṗééñ šĺóóţ %1··</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Šáávéé áá Ĝááɱéé -- Šééĺééçţ Ĝááɱéé Šĺóóţ···</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>ÓÓṗééñ áá Ĝááɱéé -- Šééĺééçţ Ĝááɱéé Šĺóóţ···</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits, &quot;1000 Credits&quot;.</extracomment>
        <translation>%1 Çŕééđííţš··</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s borrowed credits, &quot;0 Borrowed&quot;.</extracomment>
        <translation>%1 Ɓóóŕŕóóŵééđ··</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Ñááɱéé fóóŕ ţĥííš šáávééđ ĝááɱéé?··</translation>
    </message>
</context>
<context>
    <name>SpokenResults</name>
    <message>
        <source>no %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>ñóó %1·</translation>
    </message>
    <message>
        <source>one %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name</extracomment>
        <translation>óóñéé %1·</translation>
    </message>
    <message>
        <source>two %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>ţŵóó %1··</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>ţĥŕéééé %1··</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>fóóúúŕ %1·</translation>
    </message>
    <message>
        <source>five %1</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the symbol&apos;s name (plural)</extracomment>
        <translation>fíívéé %1·</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A screen reader&apos;s count of symbols on a paid line; %1 is the count, %2 the symbol&apos;s name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Line %1: %2 pays %3</source>
        <extracomment>A screen reader&apos;s report of a paid line; %1 is the payline, %2 what it shows (&quot;three Elephants&quot;), %3 what it pays</extracomment>
        <translation>Ĺííñéé %1: %2 ṗááýš %3·····</translation>
    </message>
    <message>
        <source>%1 balls pay %2 and win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 ƀááĺĺš ṗááý %2 ááñđ ŵííñ ţĥéé ƀóóñúúš ĝááɱéé·······</translation>
    </message>
    <message>
        <source>%1 balls pay %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls, %2 what they pay</extracomment>
        <translation>%1 ƀááĺĺš ṗááý %2····</translation>
    </message>
    <message>
        <source>%1 balls win the bonus game</source>
        <extracomment>A screen reader&apos;s report; %1 is the number of BINGO balls</extracomment>
        <translation>%1 ƀááĺĺš ŵííñ ţĥéé ƀóóñúúš ĝááɱéé····</translation>
    </message>
    <message>
        <source>game paid %1</source>
        <translation>ĝááɱéé ṗááííđ %1·</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Ñóó ŵííñ·</translation>
    </message>
    <message>
        <source>Call %1: %2 %3</source>
        <extracomment>A screen reader&apos;s report of a bonus call; %1 is the call&apos;s number, %2 %3 the ball (&quot;B 7&quot;)</extracomment>
        <translation>Çááĺĺ %1: %2 %3·····</translation>
    </message>
    <message>
        <source>%1 on your card pays %2</source>
        <extracomment>A screen reader&apos;s report; %1 is the pattern, %2 what it pays</extracomment>
        <translation>%1 óóñ ýóóúúŕ çááŕđ ṗááýš %2·····</translation>
    </message>
    <message>
        <source>%1 on card %2 pays %3</source>
        <translation>%1 óóñ çááŕđ %2 ṗááýš %3······</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ýóóúúŕ Ĝááɱéé Šţááţííšţííçš·</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Šṗííñš:··</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Çŕééđííţš:··</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Ɓóóŕŕóóŵééđ:·</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Ţóóţááĺ Ɓééţš:··</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Ṗááýóóffš:··</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Ñóóŕɱááĺ:·</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Ɓóóñúúš:·</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>ÓÓvééŕááĺĺ Ṗááýóóff Ṗééŕçééñţááĝéé:··</translation>
    </message>
    <message>
        <source>Credits over the Last Spins:</source>
        <translation>Çŕééđííţš óóvééŕ ţĥéé Ĺáášţ Šṗííñš:·····</translation>
    </message>
    <message>
        <source>Credits after the Last Spin:</source>
        <translation>Çŕééđííţš ááfţééŕ ţĥéé Ĺáášţ Šṗííñ:·····</translation>
    </message>
    <message>
        <source>Credits over the Last %1 Spins:</source>
        <translation>Çŕééđííţš óóvééŕ ţĥéé Ĺáášţ %1 Šṗííñš:······</translation>
    </message>
    <message>
        <source>Theoretical Payoff Percentage:</source>
        <translation>Ţĥééóóŕééţííçááĺ Ṗááýóóff Ṗééŕçééñţááĝéé:·</translation>
    </message>
    <message>
        <source>Base Game (exact):</source>
        <translation>Ɓáášéé Ĝááɱéé (ééxááçţ):··</translation>
    </message>
    <message>
        <source>Bonus (estimated):</source>
        <translation>Ɓóóñúúš (ééšţííɱááţééđ):··</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ÓÓĶ</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is estimated from %2, ± one standard error.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;; %2 a count, &quot;1,000,000 simulated games&quot;.</extracomment>
        <translation>ÁÁţ %1, óóvééŕ ɱááñý šṗííñš. Ţĥéé ƀáášéé ĝááɱéé&apos;š šĥááŕéé fóóĺĺóóŵš ééxááçţĺý fŕóóɱ ţĥéé ŕúúĺééš; ţĥéé ƀóóñúúš ĝááɱéé&apos;š ííš ééšţííɱááţééđ fŕóóɱ %2, ± óóñéé šţááñđááŕđ ééŕŕóóŕ.···················</translation>
    </message>
    <message>
        <source>At %1, over many spins. The base game&apos;s share follows exactly from the rules; the bonus game&apos;s is not estimated for this bet.</source>
        <extracomment>%1 is a bet, &quot;9 lines × 1 credit&quot;.</extracomment>
        <translation>ÁÁţ %1, óóvééŕ ɱááñý šṗííñš. Ţĥéé ƀáášéé ĝááɱéé&apos;š šĥááŕéé fóóĺĺóóŵš ééxááçţĺý fŕóóɱ ţĥéé ŕúúĺééš; ţĥéé ƀóóñúúš ĝááɱéé&apos;š ííš ñóóţ ééšţííɱááţééđ fóóŕ ţĥííš ƀééţ.················</translation>
    </message>
    <message>
        <source>%1 (limit)</source>
        <extracomment>A statistics counter that has stopped at its largest value; %1 is the value</extracomment>
        <translation>%1 (ĺííɱííţ)··</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>%1 in [%2]</source>
        <extracomment>A value of the game file that cannot be read: %1 is its line, as &quot;Credits=abc&quot;, %2 its section; keep the brackets.</extracomment>
        <translation>%1 ííñ [%2]···</translation>
    </message>
    <message>
        <source>The game file %1 is not a regular file and was not read.</source>
        <translation>Ţĥéé ĝááɱéé fííĺéé %1 ííš ñóóţ áá ŕééĝúúĺááŕ fííĺéé ááñđ ŵááš ñóóţ ŕééááđ.·····</translation>
    </message>
    <message>
        <source>The game file %1 is larger than %2 MiB and was not read.</source>
        <translation>Ţĥéé ĝááɱéé fííĺéé %1 ííš ĺááŕĝééŕ ţĥááñ %2 ḾííƁ ááñđ ŵááš ñóóţ ŕééááđ.········</translation>
    </message>
    <message>
        <source>The game file %1 cannot be read: %2.</source>
        <translation>Ţĥéé ĝááɱéé fííĺéé %1 çááññóóţ ƀéé ŕééááđ: %2.·····</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>Ţĥéé ĥííšţóóŕý fííĺéé %1 çááññóóţ ƀéé ŕééááđ: %2.······</translation>
    </message>
    <message>
        <source>There is no data directory to keep it in.</source>
        <translation>Ţĥééŕéé ííš ñóó đááţáá đííŕééçţóóŕý ţóó ķééééṗ ííţ ííñ.···</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2.</source>
        <translation>Ţĥéé ĥííšţóóŕý fííĺéé %1 çááññóóţ ƀéé ŵŕííţţééñ: %2.·······</translation>
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
        <translation>Šóóɱéé vááĺúúééš ííñ ţĥéé ĝááɱéé fííĺéé %1 çááññóóţ ƀéé ŕééááđ (%2) ááñđ ááŕéé ṗĺááýééđ ááš áá ñééŵ ĝááɱéé&apos;š. ÁÁ çóóṗý óóf ţĥéé fííĺéé ááš ííţ ŵááš ááţ ááñ ééááŕĺííééŕ šţááŕţ ííš ķééṗţ ííñ %3.··············</translation>
    </message>
    <message>
        <source>Some values in the game file %1 cannot be read (%2) and are played as a new game&apos;s. The file as it was is kept in %3.</source>
        <translation>Šóóɱéé vááĺúúééš ííñ ţĥéé ĝááɱéé fííĺéé %1 çááññóóţ ƀéé ŕééááđ (%2) ááñđ ááŕéé ṗĺááýééđ ááš áá ñééŵ ĝááɱéé&apos;š. Ţĥéé fííĺéé ááš ííţ ŵááš ííš ķééṗţ ííñ %3.············</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2. The game goes on, but it cannot be kept.</source>
        <translation>Ţĥéé fóóĺđééŕ %1 çááññóóţ ƀéé ŵŕííţţééñ: %2. Ţĥéé ĝááɱéé ĝóóééš óóñ, ƀúúţ ííţ çááññóóţ ƀéé ķééṗţ.···········</translation>
    </message>
    <message>
        <source>No home directory to keep the game file in</source>
        <translation>Ñóó ĥóóɱéé đííŕééçţóóŕý ţóó ķééééṗ ţĥéé ĝááɱéé fííĺéé ííñ··</translation>
    </message>
    <message>
        <source>Unable to write to %1
%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason on a line of its own; keep the line break.</extracomment>
        <translation>ÚÚñááƀĺéé ţóó ŵŕííţéé ţóó %1
%2···</translation>
    </message>
    <message>
        <source>It is a directory</source>
        <extracomment>Why a file cannot be read: the name is a folder&apos;s.</extracomment>
        <translation>ÍÍţ ííš áá đííŕééçţóóŕý·</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Why a file cannot be read: the name is a device&apos;s, a pipe&apos;s or a socket&apos;s.</extracomment>
        <translation>ÍÍţ ííš ñóóţ áá ŕééĝúúĺááŕ fííĺéé·</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB</source>
        <extracomment>Why a file cannot be read; %1 is a number of mebibytes.</extracomment>
        <translation>ÍÍţ ííš ĺááŕĝééŕ ţĥááñ %1 ḾííƁ····</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>Wild</source>
        <translation>Ŵííĺđ·</translation>
    </message>
    <message>
        <source>B ball</source>
        <translation>Ɓ ƀááĺĺ··</translation>
    </message>
    <message>
        <source>I ball</source>
        <translation>ÍÍ ƀááĺĺ·</translation>
    </message>
    <message>
        <source>N ball</source>
        <translation>Ñ ƀááĺĺ··</translation>
    </message>
    <message>
        <source>G ball</source>
        <translation>Ĝ ƀááĺĺ··</translation>
    </message>
    <message>
        <source>O ball</source>
        <translation>ÓÓ ƀááĺĺ·</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Çááŕđ·</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Ţííçķééţš·</translation>
    </message>
    <message>
        <source>Cage</source>
        <translation>Çááĝéé</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>ÁÁçéé</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Ķííñĝ·</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Qúúééééñ</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jááçķ·</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Ţééñ·</translation>
    </message>
    <message>
        <source>Doll</source>
        <translation>Đóóĺĺ·</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>ÉÉĺééṗĥááñţ·</translation>
    </message>
    <message>
        <source>Daubers</source>
        <translation>Đááúúƀééŕš</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Ɓááĝ·</translation>
    </message>
    <message>
        <source>Wilds</source>
        <translation>Ŵííĺđš·</translation>
    </message>
    <message>
        <source>B balls</source>
        <translation>Ɓ ƀááĺĺš··</translation>
    </message>
    <message>
        <source>I balls</source>
        <translation>ÍÍ ƀááĺĺš·</translation>
    </message>
    <message>
        <source>N balls</source>
        <translation>Ñ ƀááĺĺš··</translation>
    </message>
    <message>
        <source>G balls</source>
        <translation>Ĝ ƀááĺĺš··</translation>
    </message>
    <message>
        <source>O balls</source>
        <translation>ÓÓ ƀááĺĺš·</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Çááŕđš·</translation>
    </message>
    <message>
        <source>Cages</source>
        <translation>Çááĝééš</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>ÁÁçééš</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Ķííñĝš·</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Qúúééééñš</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Jááçķš·</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Ţééñš·</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Đóóĺĺš·</translation>
    </message>
    <message>
        <source>Elephants</source>
        <translation>ÉÉĺééṗĥááñţš·</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>Ɓááĝš·</translation>
    </message>
</context>
<context>
    <name>VolumeDialog</name>
    <message>
        <source>Volume</source>
        <extracomment>The title of the window with the sound effects&apos; and the music&apos;s sliders.</extracomment>
        <translation>Vóóĺúúɱéé</translation>
    </message>
    <message>
        <source>Sound &amp;effects:</source>
        <translation>Šóóúúñđ &amp;ééffééçţš:··</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Ḿúúšííç:·</translation>
    </message>
</context>
</TS>
