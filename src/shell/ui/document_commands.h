#pragma once
// The document commands of the File and Setup menus: New, Open, Open Backup,
// Save, Save As and Initial Setting. Each offers to save unsaved changes first,
// replaces or writes the one document of the program, and shows what went wrong.
#include <QString>
#include <filesystem>
#include <functional>

namespace zq {

class frmMain;
struct FileResult;

class DocumentCommands {
 public:
  explicit DocumentCommands(frmMain& main) : main_(main) {}

  // The menu's New: after the offer to save, asks whether all data may be cleared.
  void New();
  // The toolbar's New button: a new document, after the offer to save changes.
  void NewFromToolbar();
  // A new document at once: the default configuration, a fresh undo history.
  void LoadNewDoc();
  void Open();
  void OpenBackup();
  void Save();
  // True when the user chose a name and the document was written there.
  bool SaveAs();
  void InitialSetting();

  // Asks "save it now?" when the document has changes (an untitled one is saved
  // through Save As); false when the user cancelled the question or the dialog.
  bool OfferToSaveChanges();
  // The data file's folder; the user's documents for an untitled document.
  QString DocumentFolder() const;

 private:
  // Closes the editors, runs the loader and shows its failure, then shows the document.
  void LoadDocument(const std::function<FileResult()>& load);
  bool WriteDocument(const std::filesystem::path& path);

  frmMain& main_;
};

}  // namespace zq
