#include "document/ui_texts.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "text/cp1252.h"
#include "text/file_read.h"

namespace ravnelok {
namespace {

// Written here in UTF-8 and turned into Windows-1252 once.
constexpr std::array<const char*, kCaptionCount> kCaptionsUtf8 = {
    "&Filer",
    "&Nyt ark",
    "Å&bn ark ..",
    "&Gem ark ..",
    "&Udskriv",
    "&Afslut",
    "&Redigér",
    "Tag &kopi",
    "&Sæt kopi",
    "&Indsæt linier",
    "&Fjern linier",
    "&Rens linier ",
    "Kopiér &ark til klippebord",
    "Kopiér &tabel til klippebord",
    "Kopiér &grafik til klippebord",
    "&Indstil",
    "Antal &linier i arket ..",
    "Antal viste &decimaler ..",
    "&Grader / radianer ..",
    "Funk&tioner",
    "&Startstil navne ..",
    "&Gennemregn arket",
    "&Grafik",
    "Fra &ark",
    "Fra &tabel ",
    "&Redigér grafik ..",
    "Data&pinde",
    "Data&kurve",
    "&Hyppighedspinde",
    "&xy-punkter",
    "Data&pinde",
    "Data&kurve",
    "&Hyppighedspinde",
    "&Hjælp",
    "&Om Ravnelok",
    "&Vejledning",
    "Tag kopi",
    "Sæt kopi",
    "Vis ark",
    "Vis ark og tabel",
    "Vis ark, tabel og grafik",
    "Gennemregn",
    "Vis flere decimaler ",
    "Vis færre decimaler ",
    "Rens tabel",
    "Rens grafik",
};

// Entries 46..117; 118 and 119 have none.
constexpr std::array<const char*, kFirstAddedText - kCaptionCount - 2> kBuiltInUtf8 = {
    "Navn",
    "Udtryk",
    "Værdi",
    "Enhed",
    "Ja",
    "Nej",
    "Fortryd",
    "Navnet",
    "er ikke et tilladt navn",
    "er optaget til en indbygget funktion",
    "er reserveret konstanten PI",
    "er reserveret til linievariable",
    "er brugt flere gange",
    "Fortolkeren giver op - for mange variable!",
    "Der kan højst tages kopi af 2 celler",
    "Markér inden for samme kolonne",
    "Markering er kun tilladt i én af kolonnerne: navn, udtryk og enhed",
    "Kopien hører til i en anden kolonne",
    "Åben ark",
    "Forkert filtype",
    "Gem ark",
    "Antal linier i arket",
    "Antal linier (max",
    "Antal viste decimaler",
    "Ønsker du at slette arket og starte på et nyt ark?",
    "Blokken må kun have",
    "linier og",
    "kolonner",
    "linier",
    "Marker netop en søjle og mindst to rækker",
    "Markér mindst to søjler og mindst to rækker",
    "Markér mindst to rækker",
    "Ukorrekt eller manglende tal i det markerede område",
    "Ingen tal markeret",
    "Markér netop en søjle og mindst to rækker",
    "Ingen tal markeret",
    "Ukorrekt tal",
    "Indsæt blanke linier",
    "Antal linier (max 10)",
    "T*      Navn     Udtryk                                      Værdi       Enhed",
    "Navn",
    "Startværdi",
    "Ukorrekt angivelse af værdi",
    "Skriv dit navn",
    "Ønsker du at afbryde programmet ?",
    "Bekræft",
    "Trigonometri",
    "De trigonometriske funktioner",
    "Vinkler",
    " vinkler angivet i grader",
    " vinkler angivet i radianer",
    "OK",
    "Startstil navne",
    "Indstil grafik",
    "x-aksen",
    " navne på aksen",
    " 1, 2, 3, ... på aksen",
    " 0, 1, 2, ... på aksen",
    " x=0 vises (y-aksen tegnes)",
    " y=0 vises (x-aksen tegnes)",
    " Forbind punkterne",
    "dansk",
    "&hvis&så&ellers&",
    "HVIS",
    "SÅ",
    "ELLERS",
    "sum",
    "er reserveret til HVIS-SÅ-ELLERS",
    "For mange forskellige værdier",
    "automatisk tilpasning",
    "rst",
    "Samme enhed på akserne",
};

// Entries 120 and on, in order; entries past the last have none.
constexpr const char* kAddedUtf8[] = {
    "F&ortryd",
    "G&entag",
    "De nederste linier i arket er ikke tomme og forsvinder ved indsættelsen. Vil du indsætte "
    "alligevel?",
    "Disken er fuld.",
    "Du har ikke lov til at skrive her.",
    "Stedet kan kun læses (skrivebeskyttet).",
    "Mappen findes ikke.",
    "Systemet kunne ikke skrive filen.",
    "Gem &tabel som CSV ..",
    "Gem g&rafik som billede ..",
    "Gem tabel som CSV",
    "Gem grafik som billede",
    "Billedet gemmes som .png eller .svg: skriv en af dem sidst i filnavnet",
    "Filen blev ikke skrevet:",
    "Der er ingen grafik at gemme",
    "Arket er ikke gemt: Windows-1252 har ikke tegnet i linie",
    "Intet navn eller mærke hedder %1",
    "%1 regnes først længere nede i arket",
    "%1 har ingen værdi",
    "Linien bruger sin egen værdi (%1) og mangler en startværdi",
    "Enderne i %1(a:b) er ikke navne eller mærker i arket",
    "Funktionen %1 mangler sin parentes",
    "Udtrykket bliver over 250 tegn med værdierne sat ind",
    "Resten kræver to hele tal, det andet over 0",
    "Betingelsen eller sammenligningen kan ikke læses",
    "Division med nul",
    "Tallet ligger uden for det, funktionen %1 er defineret for",
    "Potensen er ikke defineret for disse tal",
    "Et tal bliver for stort eller for lille",
    "For mange parenteser inden i hinanden",
    "Udtrykket kan ikke læses fra tegn %1: %2",
};
static_assert(std::size(kAddedUtf8) <= kUiTextCount - kFirstAddedText);

const std::array<std::string, kCaptionCount>& Captions() {
  static const std::array<std::string, kCaptionCount> captions = [] {
    std::array<std::string, kCaptionCount> out;
    for (size_t i = 0; i < out.size(); ++i) out[i] = cp1252::FromUtf8(kCaptionsUtf8[i]);
    return out;
  }();
  return captions;
}

// The built-in table in Windows-1252, converted once for every document to copy.
const std::array<std::string, kUiTextCount>& BuiltInTexts() {
  static const std::array<std::string, kUiTextCount> texts = [] {
    std::array<std::string, kUiTextCount> out;
    for (size_t i = 0; i < kBuiltInUtf8.size(); ++i)
      out[kCaptionCount + i] = cp1252::FromUtf8(kBuiltInUtf8[i]);
    for (size_t i = 0; i < std::size(kAddedUtf8); ++i)
      out[kFirstAddedText + i] = cp1252::FromUtf8(kAddedUtf8[i]);
    return out;
  }();
  return texts;
}

const std::string kEmpty;

}  // namespace

UiTexts::UiTexts() {
  SetBuiltIn();
}

const std::string& UiTexts::Empty() {
  return kEmpty;
}

void UiTexts::Set(TextId id, std::string text) {
  ++generation_;
  const int i = static_cast<int>(id);
  if (i >= 0 && i < kUiTextCount) texts_[i] = std::move(text);
}

void UiTexts::SetBuiltIn() {
  ++generation_;
  texts_ = BuiltInTexts();
  from_file_ = false;
}

void UiTexts::SetAddedBuiltIn() {
  const auto& built_in = BuiltInTexts();
  std::copy(built_in.begin() + kFirstAddedText, built_in.end(), texts_.begin() + kFirstAddedText);
}

void UiTexts::LoadFromFileBytes(std::string_view bytes) {
  ++generation_;
  for (auto& t : texts_) t.clear();
  SetAddedBuiltIn();
  size_t pos = 0;
  for (int j = 0; j < kUiTextCount && pos < bytes.size(); ++j) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // An empty added line would leave a menu item or message blank: the built-in text stays.
    if (j < kFirstAddedText || !line.empty()) texts_[j] = std::string(line);
    pos = end + 1;
  }
  from_file_ = true;
}

bool UiTexts::Load(const std::string& path) {
  // Some 120 short lines; anything far larger is not a text file of ours. A file that cannot be
  // used (a folder, a FIFO, a read error) counts as no file at all.
  constexpr std::size_t kMaxTextFileBytes = 1 << 20;
  std::string bytes;
  if (ReadFileCapped(path, kMaxTextFileBytes, bytes) != ReadResult::kOk) {
    SetBuiltIn();
    return false;
  }
  LoadFromFileBytes(bytes);
  return true;
}

bool UiTexts::English() const {
  return (*this)[TextId::kLanguage] == "english";
}

const std::string& UiTexts::BuiltInCaption(TextId id) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= kCaptionCount) return kEmpty;
  return Captions()[i];
}

const std::string& UiTexts::Caption(TextId id) const {
  const int i = static_cast<int>(id);
  // Added menu items carry their built-in text in the table itself.
  if (i >= kFirstAddedText && i < kUiTextCount) return texts_[i];
  if (i < 0 || i >= kCaptionCount) return kEmpty;
  return from_file_ ? texts_[i] : Captions()[i];
}

}  // namespace ravnelok
