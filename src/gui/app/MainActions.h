#pragma once

class QAction;

// The main window's commands, each created once by the window; its menus, its tool bar and the
// code that enables them use these members. An action's object name (acNowy …) names its icon.
struct TMainActions
{
    // File
    QAction* New = nullptr;      // acNowy
    QAction* Open = nullptr;     // acNowyZPliku, with the recent files as its drop-down
    QAction* Save = nullptr;     // acZapisz
    QAction* SaveAs = nullptr;   // acZapiszJako
    QAction* Exit = nullptr;     // acKoniec
    // Edit
    QAction* Undo = nullptr;             // acCofnij, following the active table's undo stack
    QAction* Redo = nullptr;             // acPonow
    QAction* Copy = nullptr;             // acKopiuj
    QAction* Cut = nullptr;              // acWytnij
    QAction* Paste = nullptr;            // acWklej
    QAction* Clear = nullptr;            // acUsun2
    QAction* CopyWithNames = nullptr;    // acKopiujZNagl
    QAction* PasteWithNames = nullptr;   // acWklejZNagl
    QAction* SaveSelection = nullptr;    // acZapiszBlok
    QAction* Find = nullptr;             // acSzukaj
    QAction* FindAgain = nullptr;        // acSzukajZnow
    QAction* FindColumn = nullptr;       // acSzukajKolumny
    QAction* Insert = nullptr;           // acWstaw
    QAction* Delete = nullptr;           // acUsun
    QAction* ColumnOptions = nullptr;    // acOpcjeKolumny
    // Calculations and options
    QAction* WhatCanBeComputed = nullptr;   // acCoMozeszObl
    QAction* Calculate = nullptr;           // acObliczenia
    QAction* Statistics = nullptr;          // acStatystyka
    QAction* Chart = nullptr;               // acWykres
    QAction* Options = nullptr;             // acOpcje
    QAction* DataOptions = nullptr;         // acOpcjeDanych
    // Window
    QAction* Cascade = nullptr;               // acKaskada
    QAction* TileOneAboveAnother = nullptr;   // acPoziomo
    QAction* TileSideBySide = nullptr;        // acPionowo
    QAction* MinimizeAll = nullptr;           // acZmniejsz
    QAction* ArrangeIcons = nullptr;          // acSzereguj
    QAction* Maximize = nullptr;              // acMaksNorm
    QAction* Close = nullptr;                 // acZamknij
    // Help
    QAction* Help = nullptr;    // acPomoc
    QAction* About = nullptr;   // acOSalvento
};
