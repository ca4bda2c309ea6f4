#include "word_dialogs.h"

#include <vector>

#include "mikawase/personal_dictionary.h"
#include "mikawase/wide_text.h"
#include "model/menu.h"
#include "model/personal_words.h"
#include "resource.h"
#include "string_table.h"

namespace mikawase::win32 {

namespace {

// The boxes take CR LF; the model's texts have LF.
std::wstring WithCrLf(const std::string& text) {
  std::wstring wide;
  for (wchar_t c : WideFromUtf8(text)) {
    if (c == L'\n') wide += L'\r';
    wide += c;
  }
  return wide;
}

std::string TextOf(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return Utf8FromWide(text);
}

void SetText(HWND dialog, int id, const std::wstring& text) {
  SetDlgItemTextW(dialog, id, text.c_str());
}

template <typename State>
State* StateOf(HWND dialog, UINT message, LPARAM lparam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lparam);
  return reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

HINSTANCE Instance(HWND owner) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
}

struct AddWord {
  const DictionaryFolders& folders;
  const std::string& sentence;
  std::string kind, key, value;
  bool changing;
  bool value_was_written = false;
};

std::string FileNameOf(HWND dialog) {
  LRESULT at = SendDlgItemMessageW(dialog, IDC_KIND, CB_GETCURSEL, 0, 0);
  std::size_t index = at < 0 ? 0 : static_cast<std::size_t>(at);
  return model::WordKinds()[index].file_name;
}

void UpdatePreview(HWND dialog, AddWord& state) {
  std::string value = TextOf(dialog, IDC_VALUE);
  state.value_was_written = state.value_was_written || !value.empty();
  model::AddWordView view =
      model::ViewOfEntry(state.sentence, state.folders, FileNameOf(dialog), TextOf(dialog, IDC_KEY),
                         value, state.value_was_written, SayInUserLanguage);
  SetText(dialog, IDC_PREVIEW, WithCrLf(view.preview));
  SetText(dialog, IDC_PROBLEMS, WithCrLf(view.problems));
  EnableWindow(GetDlgItem(dialog, IDOK), view.can_save);
}

INT_PTR CALLBACK AddWordProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  AddWord* state = StateOf<AddWord>(dialog, message, lparam);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowTextW(dialog,
                     Wide(state->changing ? model::kEditWordTitle : model::kAddWordTitle).c_str());
      SetText(dialog, IDC_KIND_LABEL, Wide(model::kKindLabel));
      SetText(dialog, IDC_KEY_LABEL, Wide(model::kKeyLabel));
      SetText(dialog, IDC_VALUE_LABEL, Wide(model::kValueLabel));
      SetText(dialog, IDC_PREVIEW_LABEL, Wide(model::kPreviewLabel));
      SetText(dialog, IDOK, Wide(model::kSave));
      SetText(dialog, IDCANCEL, Wide(model::kCancel));
      int selected = 0, index = 0;
      for (const model::WordKind& kind : model::WordKinds()) {
        SendDlgItemMessageW(dialog, IDC_KIND, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Wide(kind.words).c_str()));
        if (state->kind == kind.kind) selected = index;
        ++index;
      }
      SendDlgItemMessageW(dialog, IDC_KIND, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
      SetText(dialog, IDC_KEY, WideFromUtf8(state->key));
      SetText(dialog, IDC_VALUE, WideFromUtf8(state->value));
      // A word changed stays in its dictionary, under its key.
      EnableWindow(GetDlgItem(dialog, IDC_KIND), !state->changing);
      SendDlgItemMessageW(dialog, IDC_KEY, EM_SETREADONLY, state->changing, 0);
      UpdatePreview(dialog, *state);
      SetFocus(GetDlgItem(dialog, state->key.empty() ? IDC_KEY : IDC_VALUE));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_KEY:
        case IDC_VALUE:
          if (HIWORD(wparam) == EN_CHANGE) UpdatePreview(dialog, *state);
          return TRUE;
        case IDC_KIND:
          if (HIWORD(wparam) == CBN_SELCHANGE) UpdatePreview(dialog, *state);
          return TRUE;
        case IDOK: {
          AddedEntry added = AddPersonalEntry(state->folders.personal, FileNameOf(dialog),
                                              TextOf(dialog, IDC_KEY), TextOf(dialog, IDC_VALUE));
          if (!added.refusal.empty()) {
            SetText(dialog, IDC_PROBLEMS,
                    WithCrLf(model::SayProblem(added.refusal, SayInUserLanguage)));
            return TRUE;
          }
          EndDialog(dialog, IDOK);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

struct MyWords {
  const DictionaryFolders& folders;
  const std::string& sentence;
  std::vector<PersonalEntry> entries;
};

void Refill(HWND dialog, MyWords& state) {
  PersonalEntries listed = ListPersonalEntries(state.folders.personal);
  state.entries = std::move(listed.entries);
  SendDlgItemMessageW(dialog, IDC_ENTRIES, LB_RESETCONTENT, 0, 0);
  for (const PersonalEntry& entry : state.entries) {
    std::wstring row = WideFromUtf8(model::KindOfFile(entry.file_name, SayInUserLanguage) + "\t" +
                                    entry.key + "\t" + entry.value);
    SendDlgItemMessageW(dialog, IDC_ENTRIES, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(row.c_str()));
  }
  std::vector<std::string> failures;
  for (const TranslationError& failure : listed.failures) failures.push_back(failure.what());
  SetText(dialog, IDC_NOTES,
          WithCrLf(model::NotesOnEntries(state.entries.size(), failures, SayInUserLanguage)));
}

const PersonalEntry* Selected(HWND dialog, const MyWords& state) {
  LRESULT at = SendDlgItemMessageW(dialog, IDC_ENTRIES, LB_GETCURSEL, 0, 0);
  if (at < 0 || static_cast<std::size_t>(at) >= state.entries.size()) return nullptr;
  return &state.entries[static_cast<std::size_t>(at)];
}

std::string KindOf(const PersonalEntry& entry) {
  for (const model::WordKind& kind : model::WordKinds()) {
    if (entry.file_name == kind.file_name) return kind.kind;
  }
  return "noun";
}

INT_PTR CALLBACK MyWordsProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  MyWords* state = StateOf<MyWords>(dialog, message, lparam);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowTextW(dialog, Wide(model::kMyWordsTitle).c_str());
      SetText(dialog, IDC_ADD, Wide(model::kAdd));
      SetText(dialog, IDC_CHANGE, Wide(model::kEdit));
      SetText(dialog, IDC_REMOVE, Wide(model::kRemove));
      SetText(dialog, IDCANCEL, Wide(model::kClose));
      INT tabs[] = {60, 150};
      SendDlgItemMessageW(dialog, IDC_ENTRIES, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabs));
      Refill(dialog, *state);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_ADD:
          if (ShowAddWordDialog(dialog, state->folders, state->sentence, "noun", "", "", false)) {
            Refill(dialog, *state);
          }
          return TRUE;
        case IDC_ENTRIES:
          if (HIWORD(wparam) != LBN_DBLCLK) return TRUE;
          [[fallthrough]];
        case IDC_CHANGE:
          if (const PersonalEntry* entry = Selected(dialog, *state)) {
            if (ShowAddWordDialog(dialog, state->folders, state->sentence, KindOf(*entry),
                                  entry->key, entry->value, true)) {
              Refill(dialog, *state);
            }
          }
          return TRUE;
        case IDC_REMOVE:
          if (const PersonalEntry* entry = Selected(dialog, *state)) {
            std::wstring ask = Wide(model::kRemoveAsk);
            std::size_t at = ask.find(L"%1");
            if (at != std::wstring::npos) ask.replace(at, 2, WideFromUtf8(entry->key));
            wchar_t title[128] = L"";
            GetWindowTextW(dialog, title, 128);
            if (MessageBoxW(dialog, ask.c_str(), title, MB_YESNO | MB_ICONQUESTION) != IDYES) {
              return TRUE;
            }
            RemovedEntry removed =
                RemovePersonalEntry(state->folders.personal, entry->file_name, entry->key);
            if (!removed.refusal.empty()) {
              MessageBoxW(dialog,
                          WithCrLf(model::SayProblem(removed.refusal, SayInUserLanguage)).c_str(),
                          title, MB_OK | MB_ICONWARNING);
            }
            Refill(dialog, *state);
          }
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

struct Report {
  const std::wstring& title;
  const std::string& report;
};

INT_PTR CALLBACK ReportProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  Report* state = StateOf<Report>(dialog, message, lparam);
  if (state == nullptr) return FALSE;
  if (message == WM_INITDIALOG) {
    SetWindowTextW(dialog, state->title.c_str());
    SetText(dialog, IDC_REPORT, WithCrLf(state->report));
    SetText(dialog, IDCANCEL, Wide(model::kClose));
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wparam) == IDCANCEL || LOWORD(wparam) == IDOK)) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

bool ShowAddWordDialog(HWND owner, const DictionaryFolders& folders, const std::string& sentence,
                       const std::string& kind, const std::string& key, const std::string& value,
                       bool changing) {
  AddWord state{folders, sentence, kind, key, value, changing};
  return DialogBoxParamW(Instance(owner), MAKEINTRESOURCEW(IDD_ADD_WORD), owner, AddWordProcedure,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

void ShowMyWordsDialog(HWND owner, const DictionaryFolders& folders, const std::string& sentence) {
  MyWords state{folders, sentence, {}};
  DialogBoxParamW(Instance(owner), MAKEINTRESOURCEW(IDD_MY_WORDS), owner, MyWordsProcedure,
                  reinterpret_cast<LPARAM>(&state));
}

void ShowReportDialog(HWND owner, const std::wstring& title, const std::string& report) {
  Report state{title, report};
  DialogBoxParamW(Instance(owner), MAKEINTRESOURCEW(IDD_REPORT), owner, ReportProcedure,
                  reinterpret_cast<LPARAM>(&state));
}

}  // namespace mikawase::win32
