// The dialogs of the Dictionary menu: adding or changing one of the user's
// words with a preview of the rendering, and the list of the user's words
// to change or remove. What they check, write and say comes from the
// window model (model/personal_words.h); these only show it.
#ifndef MIKAWASE_APP_WORD_DIALOGS_H_
#define MIKAWASE_APP_WORD_DIALOGS_H_

#include <QDialog>
#include <QString>
#include <string>

#include "mikawase/dictionary_folders.h"
#include "model/form1_texts.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace mikawase {

class AddWordDialog : public QDialog {
  Q_OBJECT

 public:
  // `sentence` (UTF-8, CR LF) is rendered with the entry as a preview; the
  // dialog opens with `kind` ("noun", "adjective", "rome"), `key` and
  // `value` filled in.
  AddWordDialog(const DictionaryFolders& folders, std::string sentence, const std::string& kind,
                const QString& key, const QString& value, bool changing, QWidget* parent);

  // Where the entry went, once saved: "FILE" and its line.
  const std::string& SavedPath() const { return saved_path_; }
  std::size_t SavedLine() const { return saved_line_; }

  void accept() override;

 private:
  void UpdatePreview();
  std::string FileName() const;

  DictionaryFolders folders_;
  std::string sentence_;
  QComboBox* kind_;
  QLineEdit* key_;
  QLineEdit* value_;
  QLabel* preview_;
  QLabel* problems_;
  QDialogButtonBox* buttons_;
  QPushButton* save_ = nullptr;
  bool value_was_written_ = false;  // an emptied value is refused, one never written is not yet
  std::string saved_path_;
  std::size_t saved_line_ = 0;
};

class MyWordsDialog : public QDialog {
  Q_OBJECT

 public:
  MyWordsDialog(const DictionaryFolders& folders, std::string sentence, QWidget* parent);

  // Takes the entry of row `row` out of its file, after asking when `ask`.
  void RemoveRow(int row, bool ask);

 private:
  void Refill();
  void ChangeRow(int row);
  void AddWord();

  DictionaryFolders folders_;
  std::string sentence_;
  QTableWidget* table_;
  QLabel* notes_;
};

}  // namespace mikawase

#endif  // MIKAWASE_APP_WORD_DIALOGS_H_
