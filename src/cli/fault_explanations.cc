#include "cli/fault_explanations.h"

#include <array>

namespace k27093::client {

namespace {

// One code and what it means, for the exercises `first` to `last`.
struct Explanation {
  std::int32_t first;
  std::int32_t last;
  bool general;
  std::string_view code;
  std::string_view french;
  std::string_view english;
};

constexpr Explanation Own(std::int32_t exercise, std::string_view code, std::string_view french,
                          std::string_view english) {
  return {exercise, exercise, false, code, french, english};
}

constexpr Explanation General(std::int32_t first, std::int32_t last, std::string_view code,
                              std::string_view french, std::string_view english) {
  return {first, last, true, code, french, english};
}

constexpr std::array kCatalogue = {
    // The module's own codes: the spreadsheet could not be checked.
    General(401, 421, "AM",
            "La fenêtre du tableur n'est plus affichée : le contrôle n'a pas pu se faire.",
            "The spreadsheet's window is no longer shown: the check could not run."),
    General(401, 421, "%AL",
            "Le tableur ne répond pas (une boîte de dialogue est peut-être ouverte).",
            "The spreadsheet does not answer (a dialog box may be open)."),
    General(401, 421, "AN", "Le classeur n'a pas pu être lu pour en vérifier la structure.",
            "The workbook could not be read to verify its structure."),
    General(401, 421, "AA",
            "Un élément du classeur n'a pas la forme attendue (une valeur ou un objet d'un autre "
            "type).",
            "Something in the workbook is not of the expected kind (a value or an object of "
            "another type)."),
    // The common structure check.
    General(420, 420, "#BA",
            "Aucune imprimante n'est installée : la mise en page du graphique ne peut pas être "
            "vérifiée.",
            "No printer is set up: the chart's page setup cannot be verified."),
    General(401, 421, "C", "Le classeur de l'exercice a été fermé.",
            "The exercise's workbook was closed."),
    General(401, 421, "A", "Le classeur de l'exercice n'est pas le classeur actif.",
            "The exercise's workbook is not the active workbook."),
    General(401, 421, "G", "Le classeur doit garder exactement ses deux feuilles.",
            "The workbook must keep exactly its two sheets."),
    General(401, 420, "H", "La première feuille doit rester « Année N ».",
            "The first sheet must stay \"Année N\"."),
    General(401, 420, "I", "La deuxième feuille doit rester « Année N-1 ».",
            "The second sheet must stay \"Année N-1\"."),
    General(401, 420, "D", "Le commentaire repère de la cellule G9 a été modifié ou supprimé.",
            "The marker comment of cell G9 was changed or deleted."),
    General(402, 417, "J", "La feuille « Année N » doit contenir un seul graphique.",
            "The sheet \"Année N\" must hold exactly one chart."),
    General(418, 420, "J", "La feuille « Année N-1 » doit contenir un seul graphique.",
            "The sheet \"Année N-1\" must hold exactly one chart."),
    General(421, 421, "E", "La première feuille doit rester « Analyse des résultats ».",
            "The first sheet must stay \"Analyse des résultats\"."),
    General(421, 421, "F", "La deuxième feuille doit rester « Réponses ».",
            "The second sheet must stay \"Réponses\"."),
    General(421, 421, "D", "La feuille « Réponses » doit garder ses cases à cocher.",
            "The sheet \"Réponses\" must keep its check boxes."),

    Own(401, "H", "Aucun graphique n'a été créé sur la feuille « Année N ».",
        "No chart was made on the sheet \"Année N\"."),
    Own(401, "I", "La feuille « Année N » contient plus d'un graphique.",
        "The sheet \"Année N\" holds more than one chart."),
    Own(401, "A", "Le graphique n'est pas un histogramme groupé.",
        "The chart is not a clustered column chart."),
    Own(401, "B", "Le graphique a moins de quatre séries.",
        "The chart has fewer than four series."),
    Own(401, "C", "Le graphique a plus de quatre séries.", "The chart has more than four series."),
    Own(401, "E", "L'axe des valeurs manque ou les étiquettes des catégories sont masquées.",
        "The value axis is missing or the category labels are hidden."),
    Own(401, "F", "L'axe des catégories manque ou ne montre pas « Trim 1 » et « Trim 2 ».",
        "The category axis is missing or does not show \"Trim 1\" and \"Trim 2\"."),
    Own(401, "D", "Les séries ne sont pas les lignes E4 à E7 du tableau, dans l'ordre.",
        "The series are not the table's rows E4 to E7, in order."),
    Own(401, "G", "Le graphique ne doit avoir ni titre ni titre d'axe.",
        "The chart must have no title and no axis title."),

    Own(402, "A", "Le graphique n'a pas la taille demandée (247,5 × 146,25 points).",
        "The chart is not of the size asked for (247.5 × 146.25 points)."),
    Own(402, "B", "Le graphique n'est pas placé dans le coin supérieur gauche de la feuille.",
        "The chart is not placed in the sheet's top left corner."),

    Own(403, "B", "La feuille active n'est pas « Année N ».",
        "The active sheet is not \"Année N\"."),
    Own(403, "A", "La série « SUD » du graphique n'est pas sélectionnée.",
        "The chart's series \"SUD\" is not selected."),

    Own(404, "C", "Le titre du graphique n'est pas « Ventes ».",
        "The chart's title is not \"Ventes\"."),
    Own(404, "B", "Le titre a été écrit dans une zone de texte au lieu du titre du graphique.",
        "The title was written in a text box instead of the chart's title."),
    Own(404, "A", "Le graphique n'a pas de titre.", "The chart has no title."),

    Own(405, "D", "Le texte du graphique doit être en Arial, d'une taille autre que 11.",
        "The chart's text must be in Arial, at a size other than 11."),
    Own(405, "A", "Le graphique n'a pas de titre.", "The chart has no title."),
    Own(405, "C", "Le titre ne doit pas être en Arial.", "The title must not be in Arial."),
    Own(405, "B", "Le titre doit être en taille 11.", "The title must be at size 11."),

    Own(406, "A", "Le graphique n'a pas de légende.", "The chart has no legend."),
    Own(406, "B", "La position de la légende ne peut pas être lue.",
        "The legend's position cannot be read."),
    Own(406, "C", "La légende n'est pas placée en bas du graphique.",
        "The legend is not placed at the bottom of the chart."),
    Own(406, "D", "Le graphique de la feuille « Année N » ne peut pas être lu.",
        "The chart of the sheet \"Année N\" cannot be read."),

    Own(407, "D", "Le graphique a perdu un axe, son titre, sa légende, ou le tableau ses données.",
        "The chart lost an axis, its title or its legend, or the table its data."),
    Own(407, "A", "La taille du graphique a été modifiée : seule la zone de traçage doit changer.",
        "The chart's size was changed: only the plot area should change."),
    Own(407, "B",
        "La zone de traçage doit dépasser 80 points de haut (elle en fait exactement 80).",
        "The plot area must be taller than 80 points (it is exactly 80)."),
    Own(407, "C", "La zone de traçage fait moins de 80 points de haut.",
        "The plot area is less than 80 points tall."),

    Own(408, "A",
        "Le quadrillage secondaire a été ajouté à l'axe des catégories au lieu du principal.",
        "Minor gridlines were added to the category axis instead of major ones."),
    Own(408, "B", "Le quadrillage de l'axe des valeurs a été modifié.",
        "The value axis' gridlines were changed."),
    Own(408, "C", "L'axe des catégories n'a pas de quadrillage principal.",
        "The category axis has no major gridlines."),

    Own(409, "A", "L'unité principale de l'axe des valeurs est restée automatique.",
        "The value axis' major unit is still automatic."),
    Own(409, "B", "L'unité principale de l'axe des valeurs n'est pas 400.",
        "The value axis' major unit is not 400."),
    Own(409, "C", "L'axe des valeurs du graphique ne peut pas être lu.",
        "The chart's value axis cannot be read."),

    Own(410, "C", "Le graphique n'a plus d'axe des valeurs.",
        "The chart has no value axis any more."),
    Own(410, "A", "L'axe des valeurs a encore des graduations principales.",
        "The value axis still has major tick marks."),
    Own(410, "B", "L'axe des valeurs a encore des graduations secondaires.",
        "The value axis still has minor tick marks."),
    Own(410, "D", "L'axe des valeurs du graphique ne peut pas être lu.",
        "The chart's value axis cannot be read."),

    Own(411, "C", "Le graphique n'est plus un histogramme groupé.",
        "The chart is no longer a clustered column chart."),
    Own(411, "B", "Le graphique doit garder ses quatre séries.",
        "The chart must keep its four series."),
    Own(411, "A", "La couleur de la quatrième série n'a pas été changée.",
        "The fourth series' colour was not changed."),

    Own(412, "A", "Le graphique doit avoir cinq séries.", "The chart must have five series."),
    Own(412, "B", "La cinquième série ne prend pas son nom en E8 et ses valeurs en F8:G8.",
        "The fifth series does not take its name from E8 and its values from F8:G8."),
    Own(412, "C", "Les étiquettes de la cinquième série ne sont pas F3:G3.",
        "The fifth series' labels are not F3:G3."),

    Own(413, "C", "Le graphique n'a pas de série nommée « Moyenne ».",
        "The chart has no series named \"Moyenne\"."),
    Own(413, "A", "La cinquième série n'est pas une courbe.", "The fifth series is not a line."),
    Own(413, "B", "Les quatre premières séries doivent rester en histogramme.",
        "The first four series must stay columns."),

    Own(414, "A", "Le graphique n'a pas de zone de texte.", "The chart has no text box."),
    Own(414, "B", "Aucune zone de texte du graphique ne contient « x1000 ».",
        "No text box of the chart reads \"x1000\"."),

    Own(415, "A", "Aucune zone de texte du graphique ne contient « x1000 ».",
        "No text box of the chart reads \"x1000\"."),
    Own(415, "E", "La zone de texte « x1000 » n'est pas à la place ou à la taille demandée.",
        "The text box \"x1000\" is not at the place or of the size asked for."),
    Own(415, "B", "Le graphique n'a pas de forme dessinée.", "The chart has no drawn shape."),
    Own(415, "C", "Le graphique a plus d'une forme dessinée.",
        "The chart has more than one drawn shape."),
    Own(415, "D", "La forme dessinée n'est pas un parchemin horizontal.",
        "The drawn shape is not a horizontal scroll."),

    Own(416, "A", "Le graphique ne contient pas la zone de texte et la forme de l'exercice.",
        "The chart does not hold the exercise's text box and shape."),
    Own(416, "B", "La zone de texte ou la forme n'est pas à la place ou à la taille demandée.",
        "The text box or the shape is not at the place or of the size asked for."),
    Own(416, "C", "La zone de texte doit être au premier plan, devant la forme.",
        "The text box must be in front of the shape."),

    Own(417, "A", "Le graphique ne contient pas la forme de l'exercice.",
        "The chart does not hold the exercise's shape."),
    Own(417, "B", "La forme est encore remplie de blanc.", "The shape is still filled white."),
    Own(417, "C", "Le contour de la forme est encore noir.", "The shape's outline is still black."),
    Own(417, "D", "Le fond du graphique n'est pas rempli d'une texture.",
        "The chart's background is not filled with a texture."),

    Own(418, "B", "Le graphique est un graphique en cônes.", "The chart is a cone chart."),
    Own(418, "A", "Le graphique ne combine pas deux types de graphique.",
        "The chart does not combine two chart types."),

    Own(419, "A", "Le graphique n'affiche pas la table de données.",
        "The chart does not show its data table."),

    Own(420, "A", "Le graphique ne s'imprime pas à sa taille à l'écran.",
        "The chart does not print at its size on screen."),

    Own(421, "A", "Aucune case n'est cochée.", "No box is ticked."),
    Own(421, "B", "Les cases cochées ne sont pas la bonne réponse.",
        "The boxes ticked are not the right answer."),
};

bool AppliesTo(const Explanation& entry, std::int32_t exercise, bool general) {
  return entry.general == general && entry.first <= exercise && exercise <= entry.last;
}

}  // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
  if (name == "fr") return Language::kFrench;
  if (name == "en") return Language::kEnglish;
  return std::nullopt;
}

std::optional<std::string_view> ExplainFault(std::int32_t exercise, bool general,
                                             std::string_view code, Language language) {
  for (const Explanation& entry : kCatalogue) {
    if (AppliesTo(entry, exercise, general) && entry.code == code) {
      return language == Language::kFrench ? entry.french : entry.english;
    }
  }
  return std::nullopt;
}

std::vector<std::string> ExplainedCodes(std::int32_t exercise, bool general) {
  std::vector<std::string> codes;
  for (const Explanation& entry : kCatalogue) {
    if (AppliesTo(entry, exercise, general)) codes.emplace_back(entry.code);
  }
  return codes;
}

}  // namespace k27093::client
