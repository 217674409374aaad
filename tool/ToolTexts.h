// Every text NuvariKit shows in its message boxes (code-page-932 bytes once compiled).
#pragma once

#include <string>

namespace tool_texts {

inline constexpr char kExported[] = "環境データを読み出しました。";
inline constexpr char kNotEnvironmentFile[] =
    "指定されたファイルは、Nuvariの環境ファイルではありません。\nもう一度ファイルを指定してください。";
inline constexpr char kWindowPositionQuestion[] =
    "ウィンドウの位置を書き込みますか？\n\n"
    "画面の解像度が違うパソコンから環境データ持ってくると、フリーセルが画面からはみ出すことがあります。";
inline constexpr char kImported[] = "環境データを書き込みました。";

// An imported Path is run at the supervisor's next start: one that does not name FreeCell is quoted
// in full before it is stored.
inline std::string CommandLineQuestion(const std::string& commandLine) {
  return "環境ファイルの「フリーセルのパス」は、フリーセルではない可能性があります。\n\n" + commandLine +
         "\n\nこのコマンド ラインは、次に「Nuvari」を起動したときに実行されます。\n"
         "このまま書き込みますか？\n\n"
         "「いいえ」を押すと、このパソコンの「フリーセルのパス」はそのままで、ほかの環境データを書き込みます。";
}
inline constexpr char kDeleteQuestion[] =
    "環境データを削除すると「Nuvari」は初期状態に戻ります。\n\n環境データを削除しますか？";
inline constexpr char kDeleted[] = "環境データを削除しました。";
inline constexpr char kUnsupported[] = "サポートしていません。（Windows 95 でも Windows NT 4.0 でもありません。）";

// The supervisor overwrites its keys when it next stores them, so the tool must not write meanwhile.
inline constexpr char kSupervisorRunning[] =
    "「Nuvari」が起動しています。\n「Nuvari」を終了してから、もう一度実行してください。";

// Failed writes: a heading, then one line per store that could not be written.
inline constexpr char kExportFailed[] = "環境ファイルを書き込めませんでした。";
inline constexpr char kExportFailedAdvice[] = "書き込み先を確認してください。";
inline constexpr char kImportFailed[] = "次の環境データを書き込めませんでした。";
inline constexpr char kDeleteFailed[] = "次の環境データを削除できませんでした。";
inline constexpr char kStoreSettings[] = "Nuvari の設定（レジストリ）";
inline constexpr char kStoreStatisticsRegistry[] = "フリーセルの成績（レジストリ）";
// Followed by the full path of FreeCell's INI file and a closing parenthesis.
inline constexpr char kStoreStatisticsFilePrefix[] = "フリーセルの成績（";
inline constexpr char kStoreStatisticsFileSuffix[] = "）";

// The common file dialogs' filter: environment files first and selected, then all files.
inline constexpr char kFileFilter[] = "環境ファイル(*.ini)|*.ini|全ファイル(*.*)|*.*||";
inline constexpr char kDefaultExtension[] = "ini";
inline constexpr char kInitialFileName[] = "*.ini";

}  // namespace tool_texts
