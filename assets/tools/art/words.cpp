// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words painted into the cabinet and its buttons, in each language the game speaks. The
// words are those of the game's glossaries and manuals, so the cabinet says what the menus,
// keys and manual say: the casino words each language's players keep in English (SCATTER,
// JACKPOT, WILD) stay so, and the blackout is the full card of that language's bingo halls.
#include "art.h"

namespace art {

namespace {

CabinetWords english() {
    return {
        QStringLiteral("9 LINES"),
        QStringLiteral("BET UP TO 90"),
        QStringLiteral("9-LINE BINGO SLOTS"),
        {QStringLiteral("BLACKOUT")},
        QStringLiteral("JACKPOT"),
        QStringLiteral("SCATTER"),
        QStringLiteral("3 OR MORE"),
        QStringLiteral("START THE BONUS"),
        {QStringLiteral("SUBSTITUTES"), QStringLiteral("FOR ALL"), QStringLiteral("PAYING"),
         QStringLiteral("SYMBOLS"), QStringLiteral("EXCEPT"), QStringLiteral("THE BALLS")},
        QStringLiteral("LINES"),
        QStringLiteral("CREDITS / LINE"),
        QStringLiteral("ENTER = SPIN   M = MAX"),
        QStringLiteral("BLACKOUT THE CARD  \u2022  WIN THE BINGO JACKPOT"),
        {QStringLiteral("BET"), QStringLiteral("MAX")},
        QStringLiteral("SPIN"),
    };
}

CabinetWords german() {
    return {
        QStringLiteral("9 LINIEN"),
        QStringLiteral("EINSATZ BIS 90"),
        QStringLiteral("BINGO-SLOT MIT 9 LINIEN"),
        {QStringLiteral("FULL"), QStringLiteral("HOUSE")},
        QStringLiteral("JACKPOT"),
        QStringLiteral("SCATTER"),
        QStringLiteral("3 ODER MEHR"),
        QStringLiteral("STARTEN DAS BONUSSPIEL"),
        {QStringLiteral("ERSETZT"), QStringLiteral("ALLE"), QStringLiteral("GEWINN-"),
         QStringLiteral("SYMBOLE"), QStringLiteral("AUSSER"), QStringLiteral("DEN KUGELN")},
        QStringLiteral("LINIEN"),
        QStringLiteral("CREDITS / LINIE"),
        QStringLiteral("ENTER = DREHEN   M = MAX"),
        QStringLiteral("FULL HOUSE  \u2022  DEN BINGO-JACKPOT GEWINNEN"),
        {QStringLiteral("MAX"), QStringLiteral("BET")},
        QStringLiteral("DREHEN"),
    };
}

CabinetWords french() {
    return {
        QStringLiteral("9 LIGNES"),
        QStringLiteral("MISE JUSQU\u2019\u00c0 90"),
        QStringLiteral("MACHINE \u00c0 SOUS BINGO 9 LIGNES"),
        {QStringLiteral("CARTON"), QStringLiteral("PLEIN")},
        QStringLiteral("JACKPOT"),
        QStringLiteral("SCATTER"),
        QStringLiteral("3 OU PLUS"),
        QStringLiteral("LANCENT LE JEU BONUS"),
        {QStringLiteral("REMPLACE"), QStringLiteral("TOUS LES"), QStringLiteral("SYMBOLES"),
         QStringLiteral("PAYANTS"), QStringLiteral("SAUF"), QStringLiteral("LES BOULES")},
        QStringLiteral("LIGNES"),
        QStringLiteral("CR\u00c9DITS / LIGNE"),
        QStringLiteral("ENTR\u00c9E = LANCER   M = MAX"),
        QStringLiteral("FAITES CARTON PLEIN  \u2022  GAGNEZ LE JACKPOT BINGO"),
        {QStringLiteral("MISE"), QStringLiteral("MAX")},
        QStringLiteral("LANCER"),
    };
}

CabinetWords spanish() {
    return {
        QStringLiteral("9 L\u00cdNEAS"),
        QStringLiteral("APUESTA HASTA 90"),
        QStringLiteral("TRAGAPERRAS BINGO DE 9 L\u00cdNEAS"),
        {QStringLiteral("CART\u00d3N"), QStringLiteral("LLENO")},
        QStringLiteral("JACKPOT"),
        QStringLiteral("SCATTER"),
        QStringLiteral("3 O M\u00c1S"),
        QStringLiteral("ACTIVAN EL JUEGO BONUS"),
        {QStringLiteral("SUSTITUYE"), QStringLiteral("A TODOS LOS"),
         QStringLiteral("S\u00cdMBOLOS"), QStringLiteral("DE PREMIO"), QStringLiteral("SALVO A"),
         QStringLiteral("LAS BOLAS")},
        QStringLiteral("L\u00cdNEAS"),
        QStringLiteral("CR\u00c9DITOS / L\u00cdNEA"),
        QStringLiteral("ENTER = GIRAR   M = M\u00c1X."),
        QStringLiteral("LLENA EL CART\u00d3N  \u2022  GANA EL JACKPOT DEL BINGO"),
        {QStringLiteral("APUESTA"), QStringLiteral("M\u00c1X.")},
        QStringLiteral("GIRAR"),
    };
}

CabinetWords italian() {
    return {
        QStringLiteral("9 LINEE"),
        QStringLiteral("PUNTATA FINO A 90"),
        QStringLiteral("SLOT BINGO A 9 LINEE"),
        {QStringLiteral("CARTELLA"), QStringLiteral("PIENA")},
        QStringLiteral("JACKPOT"),
        QStringLiteral("SCATTER"),
        QStringLiteral("3 O PI\u00d9"),
        QStringLiteral("AVVIANO IL GIOCO BONUS"),
        {QStringLiteral("SOSTITUISCE"), QStringLiteral("TUTTI I"), QStringLiteral("SIMBOLI"),
         QStringLiteral("VINCENTI"), QStringLiteral("TRANNE"), QStringLiteral("LE PALLINE")},
        QStringLiteral("LINEE"),
        QStringLiteral("CREDITI / LINEA"),
        QStringLiteral("INVIO = GIRA   M = MAX"),
        QStringLiteral("FAI CARTELLA PIENA  \u2022  VINCI IL JACKPOT DEL BINGO"),
        {QStringLiteral("PUNTA"), QStringLiteral("MAX")},
        QStringLiteral("GIRA"),
    };
}

CabinetWords brazilian() {
    return {
        QStringLiteral("9 LINHAS"),
        QStringLiteral("APOSTA AT\u00c9 90"),
        QStringLiteral("CA\u00c7A-N\u00cdQUEL BINGO DE 9 LINHAS"),
        {QStringLiteral("CARTELA"), QStringLiteral("CHEIA")},
        QStringLiteral("JACKPOT"),
        QStringLiteral("SCATTER"),
        QStringLiteral("3 OU MAIS"),
        QStringLiteral("ABREM O JOGO B\u00d4NUS"),
        {QStringLiteral("SUBSTITUI"), QStringLiteral("TODOS OS"), QStringLiteral("S\u00cdMBOLOS"),
         QStringLiteral("PAGANTES"), QStringLiteral("EXCETO"), QStringLiteral("AS BOLAS")},
        QStringLiteral("LINHAS"),
        QStringLiteral("CR\u00c9DITOS / LINHA"),
        QStringLiteral("ENTER = GIRAR   M = M\u00c1X"),
        QStringLiteral("COMPLETE A CARTELA  \u2022  GANHE O JACKPOT DO BINGO"),
        {QStringLiteral("APOSTA"), QStringLiteral("M\u00c1X.")},
        QStringLiteral("GIRAR"),
    };
}

}  // namespace

QStringList cabinetLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
            QStringLiteral("pt_BR")};
}

CabinetWords cabinetWords(const QString& language) {
    if (language == QLatin1String("de"))
        return german();
    if (language == QLatin1String("fr"))
        return french();
    if (language == QLatin1String("es"))
        return spanish();
    if (language == QLatin1String("it"))
        return italian();
    if (language == QLatin1String("pt_BR"))
        return brazilian();
    return english();
}

}  // namespace art
