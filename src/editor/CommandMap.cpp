#include "editor/CommandMap.h"

namespace kakitori {

namespace {

using M = MenuEntry;
constexpr M kTop = M::Count;

constexpr MenuEntryInfo kMenu[] = {
    {M::FileMenu, kTop, u"ファイル"},
    {M::OpenFile, M::FileMenu, u"ファイルの呼出"},
    {M::NewFile, M::FileMenu, u"新規作成"},
    {M::AddPage, M::FileMenu, u"白紙ページ追加"},
    {M::SaveFile, M::FileMenu, u"ファイルの保存"},
    {M::PrintWriting, M::FileMenu, u"印刷‐書き方"},
    {M::PrintPractice, M::FileMenu, u"印刷‐練習"},
    {M::PrintReading, M::FileMenu, u"印刷‐読み方"},
    {M::PrintThree, M::FileMenu, u"３票一括印刷"},
    {M::PrintSentence, M::FileMenu, u"印刷-文作り"},
    {M::Exit, M::FileMenu, u"終了"},

    {M::ToolMenu, kTop, u"ツール表示"},
    {M::GradeChart, M::ToolMenu, u"学年配当表"},
    {M::GradeChartShow, M::GradeChart, u"表示する"},
    {M::GradeChartHide, M::GradeChart, u"表示しない"},
    {M::ManuscriptPaper, M::ToolMenu, u"原稿用紙作成"},
    {M::RuledPaper, M::ToolMenu, u"横罫線用紙作成"},
    {M::SmallPrint, M::ToolMenu, u"小粒（小テスト用）表示"},

    {M::PrintOptionMenu, kTop, u"印刷オプション"},
    {M::TwoSheetReading, M::PrintOptionMenu, u"読み方２枚１組"},
    {M::WritingFrame, M::PrintOptionMenu, u"書き方（書き取り枠）"},
    {M::WritingFrameOn, M::WritingFrame, u"あり（ふりがなと枠）"},
    {M::WritingFrameOff, M::WritingFrame, u"なし（ふりがなだけ）"},
    {M::Tracing, M::PrintOptionMenu, u"練習（なぞり書き）"},
    {M::TracingOff, M::Tracing, u"なし（手本と空白）"},
    {M::TracingOn, M::Tracing, u"あり（手本となぞり書き）"},
    {M::ReadingSpacing, M::PrintOptionMenu, u"読み方（印刷文字間）"},
    {M::SpacingNormal, M::ReadingSpacing, u"普通"},
    {M::SpacingNarrow, M::ReadingSpacing, u"狭い"},
    {M::BatchPrint, M::PrintOptionMenu, u"一括印刷"},
    {M::BatchAll, M::BatchPrint, u"見出しの全てを印刷"},
    {M::BatchCancel, M::BatchPrint, u"キャンセル"},
    {M::KanaPosition, M::PrintOptionMenu, u"かな印字位置調整"},

    {M::EditToolMenu, kTop, u"編集機能"},
    {M::JoinFiles, M::EditToolMenu, u"ファイル結合"},
    {M::EditFileText, M::EditToolMenu, u"ファイル変更"},

    {M::OptionMenu, kTop, u"オプション"},
    {M::FontSetting, M::OptionMenu, u"フォント設定"},
    {M::FontPersistent, M::FontSetting, u"常時設定"},
    {M::FontTemporary, M::FontSetting, u"一時設定"},
    {M::CursorKeys, M::OptionMenu, u"十字キー設定"},
    {M::KeysHard, M::CursorKeys, u"ハードタイプ"},
    {M::KeysSoft, M::CursorKeys, u"ソフトタイプ"},
    {M::KeysDownOnly, M::CursorKeys, u"↓のみ移動"},
    {M::PrinterSetting, M::OptionMenu, u"プリンター設定"},
    {M::PrinterNormal, M::PrinterSetting, u"通常のプリンター"},
    {M::PrinterDirect, M::PrinterSetting, u"設定変更"},

    {M::FuriganaMenu, kTop, u"ふりがなパス"},
    {M::PassReading, M::FuriganaMenu, u"パスする"},
    {M::NoPassReading, M::FuriganaMenu, u"パスしない"},

    {M::LimitMenu, kTop, u"文字数アラーム"},
    {M::Limit15, M::LimitMenu, u"１５字"},
    {M::Limit10, M::LimitMenu, u"１０字"},
    {M::Limit17, M::LimitMenu, u"１７字"},

    {M::HelpMenu, kTop, u"ヘルプ（使い方）"},
    {M::Tutorial, M::HelpMenu, u"チュートリアル"},
    {M::SampleDisplay, M::HelpMenu, u"サンプル表示"},
    {M::DataHelp, M::HelpMenu, u"データ作成の説明"},
    {M::ButtonHelp, M::HelpMenu, u"ボタンの説明"},
    {M::WebSite, M::HelpMenu, u"TSUBAKI工房webサイト"},
    {M::VersionInfo, M::HelpMenu, u"バージョン情報"},
    {M::VersionName, M::VersionInfo, u"2020筆丸さんプラス"},
    {M::VersionNumber, M::VersionInfo, u"ｖ　1.1.4"},

    {M::ArrangeMenu, kTop, u"くみたて坊"},
    {M::ArrangeGo, M::ArrangeMenu, u"Go"},
    {M::ArrangeCancel, M::ArrangeMenu, u"Cancel"},
};
static_assert(std::size(kMenu) == kMenuEntryCount);

using P = ToolPicture;

constexpr ToolButtonInfo kToolbar[] = {
    {1, u"ファイルを開く", P::Open},
    {2, u"新規作成", P::New},
    {3, u"白紙ページ追加", P::AddPage},
    {4, u"保存", P::Save},
    {5, nullptr, P::None},
    {6, u"書き方", P::Writing},
    {7, u"練習", P::Practice},
    {8, u"読み方", P::Reading},
    {9, u"３票一括印刷", P::ThreeSheets},
    {10, u"文作り", P::Sentence},
    {11, nullptr, P::None},
    {12, u"単漢字表示", P::KanjiSingle},
    {13, u"原稿用紙", P::Manuscript},
    {14, nullptr, P::None},
    {15, u"フォント設定", P::Font},
    {16, nullptr, P::None},
    {17, u"表示項目全削除", P::DeleteRows},
    {18, nullptr, P::None},
    {19, u"ヘルプ", P::Help},
    {20, nullptr, P::None},
    {21, u"終了", P::Exit},
    {22, nullptr, P::None},
    {23, u"一覧表印刷", P::ListTable},
    {24, u"漢字練習帳", P::PracticeBook},
    {25, u"教科書会社選択", P::Publisher},
    {26, nullptr, P::None},
    {27, u"文章の流し込み", P::PourIn},
};
static_assert(std::size(kToolbar) == kToolButtonCount);

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

const ToolButtonInfo& toolButtonInfo(int index)
{
    return kToolbar[index - 1];
}

bool isToolSeparator(int index)
{
    return toolButtonInfo(index).tooltip == nullptr;
}

} // namespace kakitori
