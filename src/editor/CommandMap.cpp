#include "editor/CommandMap.h"

namespace kakitori {

namespace {

using M = MenuEntry;
using C = Command;
constexpr M kTop = M::Count;

constexpr MenuEntryInfo kMenu[] = {
    {M::FileMenu, kTop, u"ファイル", C::Count},
    {M::OpenFile, M::FileMenu, u"ファイルの呼出", C::Open},
    {M::NewFile, M::FileMenu, u"新規作成", C::NewFile},
    {M::AddPage, M::FileMenu, u"白紙ページ追加", C::AddPage},
    {M::SaveFile, M::FileMenu, u"ファイルの保存", C::Save},
    {M::PrintWriting, M::FileMenu, u"印刷‐書き方", C::PrintWriting},
    {M::PrintPractice, M::FileMenu, u"印刷‐練習", C::PrintPractice},
    {M::PrintReading, M::FileMenu, u"印刷‐読み方", C::PrintReading},
    {M::PrintThree, M::FileMenu, u"３票一括印刷", C::PrintThree},
    {M::PrintSentence, M::FileMenu, u"印刷-文作り", C::PrintSentence},
    {M::ExportPdf, M::FileMenu, u"PDFに書き出す…", C::ExportPdf},
    {M::Exit, M::FileMenu, u"終了", C::Exit},

    {M::ToolMenu, kTop, u"ツール表示", C::Count},
    {M::GradeChart, M::ToolMenu, u"学年配当表", C::Count},
    {M::GradeChartShow, M::GradeChart, u"表示する", C::KanjiPanel},
    {M::GradeChartHide, M::GradeChart, u"表示しない", C::HideKanjiPanel},
    {M::ManuscriptPaper, M::ToolMenu, u"原稿用紙作成", C::ManuscriptPaper},
    {M::RuledPaper, M::ToolMenu, u"横罫線用紙作成", C::RuledPaper},
    {M::SmallPrint, M::ToolMenu, u"小粒（小テスト用）表示", C::SmallPrint},

    {M::PrintOptionMenu, kTop, u"印刷オプション", C::Count},
    {M::TwoSheetReading, M::PrintOptionMenu, u"読み方２枚１組", C::TwoSheetReading},
    {M::WritingFrame, M::PrintOptionMenu, u"書き方（書き取り枠）", C::Count},
    {M::WritingFrameOn, M::WritingFrame, u"あり（ふりがなと枠）", C::WritingFrameOn},
    {M::WritingFrameOff, M::WritingFrame, u"なし（ふりがなだけ）", C::WritingFrameOff},
    {M::Tracing, M::PrintOptionMenu, u"練習（なぞり書き）", C::Count},
    {M::TracingOff, M::Tracing, u"なし（手本と空白）", C::TracingOff},
    {M::TracingOn, M::Tracing, u"あり（手本となぞり書き）", C::TracingOn},
    {M::ReadingSpacing, M::PrintOptionMenu, u"読み方（印刷文字間）", C::Count},
    {M::SpacingNormal, M::ReadingSpacing, u"普通", C::SpacingNormal},
    {M::SpacingNarrow, M::ReadingSpacing, u"狭い", C::SpacingNarrow},
    {M::BatchPrint, M::PrintOptionMenu, u"一括印刷", C::Count},
    {M::BatchAll, M::BatchPrint, u"見出しの全てを印刷", C::BatchAll},
    {M::BatchCancel, M::BatchPrint, u"キャンセル", C::BatchCancel},
    {M::KanaPosition, M::PrintOptionMenu, u"かな印字位置調整", C::KanaPosition},
    {M::AnswerKeys, M::PrintOptionMenu, u"解答も印刷", C::AnswerKeys},
    {M::PrintPreview, M::PrintOptionMenu, u"印刷プレビュー", C::PrintPreview},

    {M::EditToolMenu, kTop, u"編集機能", C::Count},
    {M::JoinFiles, M::EditToolMenu, u"ファイル結合", C::JoinFiles},
    {M::EditFileText, M::EditToolMenu, u"ファイル変更", C::EditFileText},

    {M::OptionMenu, kTop, u"オプション", C::Count},
    {M::FontSetting, M::OptionMenu, u"フォント設定", C::Count},
    {M::FontPersistent, M::FontSetting, u"常時設定", C::FontPersistent},
    {M::FontTemporary, M::FontSetting, u"一時設定", C::FontTemporary},
    {M::CursorKeys, M::OptionMenu, u"十字キー設定", C::Count},
    {M::KeysHard, M::CursorKeys, u"ハードタイプ", C::KeysHard},
    {M::KeysSoft, M::CursorKeys, u"ソフトタイプ", C::KeysSoft},
    {M::KeysDownOnly, M::CursorKeys, u"↓のみ移動", C::KeysDownOnly},
    {M::PrinterSetting, M::OptionMenu, u"プリンター設定", C::Count},
    {M::PrinterNormal, M::PrinterSetting, u"通常のプリンター", C::PrinterNormal},
    {M::PrinterDirect, M::PrinterSetting, u"設定変更", C::PrinterDirect},

    {M::FuriganaMenu, kTop, u"ふりがなパス", C::Count},
    {M::PassReading, M::FuriganaMenu, u"パスする", C::PassReading},
    {M::NoPassReading, M::FuriganaMenu, u"パスしない", C::NoPassReading},

    {M::LimitMenu, kTop, u"文字数アラーム", C::Count},
    {M::Limit15, M::LimitMenu, u"１５字", C::Limit15},
    {M::Limit10, M::LimitMenu, u"１０字", C::Limit10},
    {M::Limit17, M::LimitMenu, u"１７字", C::Limit17},

    {M::HelpMenu, kTop, u"ヘルプ（使い方）", C::Count},
    {M::Tutorial, M::HelpMenu, u"チュートリアル", C::Tutorial},
    {M::SampleDisplay, M::HelpMenu, u"サンプル表示", C::SampleDisplay},
    {M::DataHelp, M::HelpMenu, u"データ作成の説明", C::DataHelp},
    {M::ButtonHelp, M::HelpMenu, u"ボタンの説明", C::ButtonHelp},
    {M::WebSite, M::HelpMenu, u"TSUBAKI工房webサイト", C::WebSite},
    {M::VersionInfo, M::HelpMenu, u"バージョン情報", C::Count},
    {M::VersionName, M::VersionInfo, u"2020筆丸さんプラス", C::About},
    {M::VersionNumber, M::VersionInfo, u"ｖ　1.1.4", C::About},

    {M::ArrangeMenu, kTop, u"くみたて坊", C::Count},
    {M::ArrangeGo, M::ArrangeMenu, u"Go", C::ArrangeGo},
    {M::ArrangeCancel, M::ArrangeMenu, u"Cancel", C::ArrangeCancel},
};
static_assert(std::size(kMenu) == kMenuEntryCount);

using P = ToolPicture;

constexpr ToolButtonInfo kToolbar[] = {
    {1, C::Open, u"ファイルを開く", P::Open},
    {2, C::NewFile, u"新規作成", P::New},
    {3, C::AddPage, u"白紙ページ追加", P::AddPage},
    {4, C::Save, u"保存", P::Save},
    {5, C::Count, nullptr, P::None},
    {6, C::PrintWriting, u"書き方", P::Writing},
    {7, C::PrintPractice, u"練習", P::Practice},
    {8, C::PrintReading, u"読み方", P::Reading},
    {9, C::PrintThree, u"３票一括印刷", P::ThreeSheets},
    {10, C::PrintSentence, u"文作り", P::Sentence},
    {11, C::Count, nullptr, P::None},
    {12, C::KanjiPanel, u"単漢字表示", P::KanjiSingle},
    {13, C::ManuscriptPaper, u"原稿用紙", P::Manuscript},
    {14, C::Count, nullptr, P::None},
    {15, C::Font, u"フォント設定", P::Font},
    {16, C::Count, nullptr, P::None},
    {17, C::DeleteRows, u"表示項目全削除", P::DeleteRows},
    {18, C::Count, nullptr, P::None},
    {19, C::Help, u"ヘルプ", P::Help},
    {20, C::Count, nullptr, P::None},
    {21, C::Exit, u"終了", P::Exit},
    {22, C::Count, nullptr, P::None},
    {23, C::ListTable, u"一覧表印刷", P::ListTable},
    {24, C::PracticeBook, u"漢字練習帳", P::PracticeBook},
    {25, C::Publisher, u"教科書会社選択", P::Publisher},
    {26, C::Count, nullptr, P::None},
    {27, C::PourIn, u"文章の流し込み", P::PourIn},
};
static_assert(std::size(kToolbar) == kToolbarPlaces);

} // namespace

std::span<const MenuEntryInfo> menuEntries()
{
    return kMenu;
}

const MenuEntryInfo& menuEntryInfo(MenuEntry entry)
{
    for (const MenuEntryInfo& info : kMenu)
        if (info.entry == entry)
            return info;
    return kMenu[0];
}

std::span<const ToolButtonInfo> toolButtons()
{
    return kToolbar;
}

const ToolButtonInfo* toolButtonOf(Command command)
{
    for (const ToolButtonInfo& info : kToolbar)
        if (info.command == command)
            return &info;
    return nullptr;
}

std::optional<Command> commandOfMenuEntry(MenuEntry entry)
{
    const Command command = menuEntryInfo(entry).command;
    return command == Command::Count ? std::nullopt : std::optional(command);
}

std::optional<MenuEntry> menuEntryOf(Command command)
{
    for (const MenuEntryInfo& info : kMenu)
        if (info.command == command)
            return info.entry;
    return std::nullopt;
}

} // namespace kakitori
