// Every action of the main window, created in one place, and where each one appears: the main
// menu, the list's context menu (PopupMenu1), the folder button's drop-down (PopupMenu2) and the
// tool bar. Each place lists its entries in the program's fixed order; a command that is added
// later goes to the spot marked ">>>" for it, with its caption, key and hint exactly as shown
// there. Entries of one command in several places are separate actions (their keys and texts
// differ) that call the same handler.

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "shell/main_window.h"

QAction* TfrmHaupt::NewAction(const char* objectName, const QString& text, const QKeySequence& key,
                              void (TfrmHaupt::*handler)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(objectName));
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

QMenu* TfrmHaupt::MenuOf(TopMenu menu) {
  static constexpr const char* kTitles[] = {"Datei", "Bearbeiten", "Extras", "Optionen", "Hilfe"};
  const int index = int(menu);
  // Menus are made on first use; the blocks below use them in menu-bar order.
  if (!topMenus_[index]) topMenus_[index] = menuBar()->addMenu(QString::fromUtf8(kTitles[index]));
  return topMenus_[index];
}

void TfrmHaupt::AddGroupSeparator(QMenu* menu) {
  const QList<QAction*> entries = menu->actions();
  if (!entries.isEmpty() && !entries.last()->isSeparator()) menu->addSeparator();
}

void TfrmHaupt::CreateActions() {
  QStyle* look = style();

  // ===== Main menu "Datei" =====
  QMenu* datei = MenuOf(TopMenu::Datei);
  QAction* Bildhinzufgen1 = NewAction("Bildhinzufgen1", QStringLiteral("Bild hinzufügen"),
                                      Qt::Key_F2, &TfrmHaupt::Bildhinzufgen1Click);
  QAction* Ordnerauswhlen1 = NewAction("Ordnerauswhlen1", QStringLiteral("Ordner auswählen"),
                                       Qt::Key_F3, &TfrmHaupt::AdvToolButton1Click);
  QAction* WeiterenOrdnerhinzufgen1 =
      NewAction("WeiterenOrdnerhinzufgen1", QStringLiteral("Weiteren Ordner hinzufügen"),
                Qt::Key_F4, &TfrmHaupt::WeiterenOrdnerhinzufgen1Click);
  QAction* Ordnereinlesenabbrechen1 =
      NewAction("Ordnereinlesenabbrechen1", QStringLiteral("Ordner einlesen abbrechen"), {},
                &TfrmHaupt::Einlesenabbrechen1Click);
  datei->addActions({Bildhinzufgen1, Ordnerauswhlen1, WeiterenOrdnerhinzufgen1,
                     Ordnereinlesenabbrechen1});
  // >>> "Liste speichern" > "als XLS", "als HTML", "als CSV" (no keys): a sub-menu in its own
  //     group, after AddGroupSeparator(datei).
  AddGroupSeparator(datei);
  QAction* Auswahllschen1 = NewAction("Auswahllschen1", QStringLiteral("Auswahl löschen"),
                                      Qt::Key_F8, &TfrmHaupt::Auswahllschen1Click);
  datei->addAction(Auswahllschen1);
  AddGroupSeparator(datei);
  QAction* Programmbeenden1 =
      NewAction("Programmbeenden1", QStringLiteral("Programm beenden"),
                QKeySequence(Qt::ALT | Qt::Key_F4), &TfrmHaupt::Programmbeenden1Click);
  datei->addAction(Programmbeenden1);

  // ===== Main menu "Bearbeiten" (MenuOf(TopMenu::Bearbeiten)), in this order =====
  // >>> "Exif exportieren" F10
  // >>> "IPTC-Tags setzen" F11 (disabled unless the IPTC tagging program is installed)
  QAction* Umbenennen1 = NewAction("Umbenennen1", QStringLiteral("Bilder umbenennen"), Qt::Key_F6,
                                   &TfrmHaupt::Umbenennen2Click);
  MenuOf(TopMenu::Bearbeiten)->addAction(Umbenennen1);
  QAction* Sortieren1 = NewAction("Sortieren1", QStringLiteral("Bilder sortieren"),
                                  QKeySequence(Qt::CTRL | Qt::Key_S), &TfrmHaupt::Sortieren1Click);
  MenuOf(TopMenu::Bearbeiten)->addAction(Sortieren1);
  // >>> "Bilder zusammenstellen && kopieren" F5
  // >>> "Bild merken" Ctrl+M

  // ===== Main menu "Extras" (MenuOf(TopMenu::Extras)), in this order =====
  // >>> "Vorschau" (F10 shown only), "Im Explorer öffnen", "Explorer" Ctrl+E,
  //     "Bild bearbeiten" Ctrl+B, "GeoTagger starten" Ctrl+G, "Protokolle anzeigen",
  //     "Laufwerk verbinden", "Laufwerk trennen", "Ordner anlegen"

  // ===== Main menu "Optionen" (MenuOf(TopMenu::Optionen)) =====
  // >>> "Einstellungen" Ctrl+O, "Historie" Ctrl+H

  // ===== Main menu "Hilfe" (MenuOf(TopMenu::Hilfe)) =====
  // >>> "Hilfe" F1, "Neuerungen", "Online-Update", "Info ..."

  // ===== Context menu of the list (PopupMenu1) =====
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  // >>> "Vorschau", "Minivorschau", "Im Explorer öffnen"
  QMenu* hinzufuegen = PopupMenu1->addMenu(QStringLiteral("Hinzufügen"));
  QAction* Bildhinzufgen2 = NewAction("Bildhinzufgen2", QStringLiteral("Bild hinzufügen"), {},
                                      &TfrmHaupt::Bildhinzufgen1Click);
  QAction* WeiterenOrdnerhinzufgen2 =
      NewAction("WeiterenOrdnerhinzufgen2", QStringLiteral("Weiteren Ordner hinzufügen"), {},
                &TfrmHaupt::WeiterenOrdnerhinzufgen1Click);
  QAction* Einlesenabbrechen1 =
      NewAction("Einlesenabbrechen1", QStringLiteral("Ordner einlesen abbrechen"), {},
                &TfrmHaupt::Einlesenabbrechen1Click);
  hinzufuegen->addActions({Bildhinzufgen2, WeiterenOrdnerhinzufgen2, Einlesenabbrechen1});
  QAction* Auswahllschen2 = NewAction("Auswahllschen2", QStringLiteral("Auswahl löschen"), {},
                                      &TfrmHaupt::Auswahllschen1Click);
  PopupMenu1->addAction(Auswahllschen2);
  // >>> "Bild merken"
  QAction* Umbenennen2 = NewAction("Umbenennen2", QStringLiteral("Umbenennen"), {},
                                   &TfrmHaupt::Umbenennen2Click);
  PopupMenu1->addAction(Umbenennen2);
  // >>> "Bild bearbeiten", "GeoTagger starten" Ctrl+G
  QAction* Allesmarkieren1 = NewAction("Allesmarkieren1", QStringLiteral("Alles markieren"), {},
                                       &TfrmHaupt::Allesmarkieren1Click);
  QAction* Allesdemakieren1 =
      NewAction("Allesdemakieren1", QStringLiteral("Alle Markierungen aufheben"), {},
                &TfrmHaupt::Allesdemakieren1Click);
  QAction* M1 = NewAction("M1", QStringLiteral("Markierungen umkehren"), {}, &TfrmHaupt::M1Click);
  PopupMenu1->addActions({Allesmarkieren1, Allesdemakieren1, M1});
  // >>> "Exif"
  // >>> "Eigenschaften"

  // ===== Drop-down of the folder button (PopupMenu2); the button itself is "Ordner auswählen" =====
  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  QAction* Bildhinzufgen3 = NewAction("Bildhinzufgen3", QStringLiteral("Bild hinzufügen"), {},
                                      &TfrmHaupt::Bildhinzufgen1Click);
  QAction* WeiterenOrdnerhinzufgen3 =
      NewAction("WeiterenOrdnerhinzufgen3", QStringLiteral("Weiteren Ordner hinzufügen"), {},
                &TfrmHaupt::WeiterenOrdnerhinzufgen1Click);
  PopupMenu2->addActions({Bildhinzufgen3, WeiterenOrdnerhinzufgen3});
  AdvToolButton1->setMenu(PopupMenu2);

  // ===== Tool bar, left to right; the hint is the tool tip =====
  const auto toolButton = [&](const char* objectName, const QString& hint, QStyle::StandardPixmap icon,
                              void (TfrmHaupt::*handler)()) {
    QAction* action = NewAction(objectName, hint, {}, handler);
    action->setToolTip(hint);
    action->setIcon(look->standardIcon(icon));
    ToolBar1->addAction(action);
    return action;
  };
  QAction* ToolButton1 = toolButton("ToolButton1", QStringLiteral("Bild hinzufügen"),
                                    QStyle::SP_FileIcon, &TfrmHaupt::Bildhinzufgen1Click);
  QAction* ToolButton3 =
      toolButton("ToolButton3", QStringLiteral("Ordner hinzufügen und Auswahl vorher löschen"),
                 QStyle::SP_DirOpenIcon, &TfrmHaupt::AdvToolButton1Click);
  QAction* ToolButton6 =
      toolButton("ToolButton6", QStringLiteral("Ordner zur Auswahl hinzufügen"),
                 QStyle::SP_FileDialogNewFolder, &TfrmHaupt::WeiterenOrdnerhinzufgen1Click);
  QAction* ToolButton8 = toolButton("ToolButton8", QStringLiteral("Auswahl löschen"),
                                    QStyle::SP_TrashIcon, &TfrmHaupt::Auswahllschen1Click);
  // >>> "Exif extrahieren"
  // >>> "IPTC Tags den Bildern hinzufügen" (disabled unless the IPTC tagging program is installed)
  QAction* ToolButton14 = toolButton("ToolButton14", QStringLiteral("Bilder umbenennen"), QStyle::SP_FileDialogListView,
             &TfrmHaupt::Umbenennen2Click);
  QAction* ToolButton16 = toolButton("ToolButton16", QStringLiteral("Bilder sortieren"),
                                     QStyle::SP_FileDialogDetailedView, &TfrmHaupt::Sortieren1Click);
  // >>> "Bilder zusammenstellen && kopieren"

  // Commands that add or remove rows wait while a folder is read.
  for (QAction* action :
       {Bildhinzufgen1, Ordnerauswhlen1, WeiterenOrdnerhinzufgen1, Auswahllschen1, Bildhinzufgen2,
        WeiterenOrdnerhinzufgen2, Auswahllschen2, Bildhinzufgen3, WeiterenOrdnerhinzufgen3,
        ToolButton1, ToolButton3, ToolButton6, ToolButton8, Sortieren1, ToolButton16, Umbenennen1,
        Umbenennen2, ToolButton14})
    DisableDuringScan(action);
}
