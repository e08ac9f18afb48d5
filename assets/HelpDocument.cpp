#include "HelpDocument.h"

#include <QString>

namespace vt {

namespace {

enum class Style { Title, Subtitle, Heading, Subheading, Paragraph, Item };

// Text between asterisks is set in bold: the names of menus, buttons and boxes.
struct Block {
    Style style;
    const char* text;
};

constexpr Block Help[] = {
    {Style::Title, "Vantorel"},
    {Style::Subtitle, "Aide de l'horloge de bureau"},

    {Style::Heading, "Présentation"},
    {Style::Paragraph,
     "Vantorel est une petite horloge de bureau. Sa fenêtre principale affiche l'heure, la date et le "
     "jour de la semaine à côté d'un petit cadran à aiguilles. Son menu donne accès à un "
     "chronomètre, à un compte à rebours, à une alarme quotidienne et aux options."},

    {Style::Heading, "La fenêtre principale"},
    {Style::Paragraph, "La fenêtre *Vantorel* montre :"},
    {Style::Item, "l'heure, la date et le jour de la semaine, mis à jour chaque seconde ;"},
    {Style::Item,
     "le cadran, dont les aiguilles des heures, des minutes et des secondes sont redessinées chaque "
     "seconde. L'aiguille des heures indique l'heure pleine : elle avance d'un cran à chaque heure "
     "pile ;"},
    {Style::Item, "une petite cloche à droite de l'heure, lorsque l'alarme est activée."},
    {Style::Paragraph,
     "Fermer la fenêtre principale termine le programme. Fermer une autre fenêtre ne fait que la "
     "masquer : le chronomètre, le compte à rebours et l'alarme continuent de fonctionner."},

    {Style::Heading, "Les menus"},
    {Style::Item, "*Fichier › Quitter* : termine le programme."},
    {Style::Item, "*Outils › Chronomètre* : ouvre le chronomètre."},
    {Style::Item, "*Outils › Alarme* : ouvre la fenêtre de l'alarme."},
    {Style::Item, "*Outils › Compte à rebours* : ouvre la fenêtre du compte à rebours."},
    {Style::Item, "*Configuration › Options* : ouvre la boîte des options."},
    {Style::Item,
     "*Configuration › Remise à zéro* : après confirmation, efface le fichier des réglages et relance le "
     "programme, qui repart avec les réglages d'origine."},
    {Style::Item, "*? › Aide* : ouvre ce document."},
    {Style::Item, "*? › A propos* : indique l'auteur du programme et le site d'où il a été téléchargé."},

    {Style::Heading, "Le carillon de chaque heure"},
    {Style::Paragraph,
     "À chaque heure pile, Vantorel joue un carillon et fait vibrer sa fenêtre principale. Le son et "
     "la force de la vibration se choisissent dans les options ; avec une force de 0, la fenêtre ne "
     "bouge pas. Après la vibration, la fenêtre reste là où elle s'est arrêtée : au fil des heures, "
     "elle peut ainsi se déplacer peu à peu sur l'écran."},

    {Style::Heading, "Le chronomètre"},
    {Style::Paragraph,
     "La fenêtre *Chronomètre* compte les heures, les minutes, les secondes et les dixièmes de "
     "seconde, affichés sous la forme heures:minutes:secondes:dixièmes."},
    {Style::Item, "*Start* : lance le comptage, ou le reprend là où il s'était arrêté."},
    {Style::Item, "*Pause* : arrête le comptage sans effacer le temps affiché."},
    {Style::Item, "*RAZ* : remet le compteur à zéro et l'arrête."},
    {Style::Paragraph,
     "Le chronomètre continue de compter lorsque sa fenêtre est fermée. S'il tourne quand vous "
     "quittez Vantorel, il repart au lancement suivant à partir du temps atteint ; le temps pendant "
     "lequel le programme était fermé n'est pas compté."},

    {Style::Heading, "Le compte à rebours"},
    {Style::Paragraph,
     "La fenêtre *Compte à rebours* affiche le temps restant en heures, minutes et secondes (les "
     "jours y sont comptés en heures). Son bouton *Comencez un nouveau compte à rebours* demande "
     "d'abord une confirmation, car le compte à rebours en cours sera remis à zéro, puis ouvre la "
     "boîte *Définir Compte à rebours* :"},
    {Style::Item,
     "*Nombre de jour(s)*, *Nombre d'heure(s)*, *Nombre de minute(s)*, *Nombre de seconde(s)* : se "
     "règlent avec les petites flèches, jusqu'à 32767 jours, 23 heures, 59 minutes et 59 secondes ;"},
    {Style::Item,
     "*Executer* et *Choisir...* : le fichier à ouvrir à la fin du compte à rebours, par défaut le son "
     "alarme1.wav. Un document s'ouvre avec le programme qui lui est associé ; un programme est "
     "lancé ;"},
    {Style::Item, "*Lancer un message :* cochez la case et écrivez le message à afficher à la fin ;"},
    {Style::Item, "*Start* : lance le compte à rebours et ferme la boîte ;"},
    {Style::Item, "*Annuler* : ferme la boîte sans lancer de compte à rebours ; l'ancien reste effacé."},
    {Style::Paragraph,
     "Le compte à rebours continue lorsque sa fenêtre est fermée, et même d'un lancement du "
     "programme à l'autre (le temps pendant lequel le programme était fermé n'est pas compté). À "
     "zéro, Vantorel ouvre le fichier choisi ; si la case est cochée, il affiche aussi le message dans "
     "une boîte *Alerte...* qui se ferme avec OK."},

    {Style::Heading, "L'alarme"},
    {Style::Paragraph,
     "La fenêtre *Alarme* affiche l'heure de l'alarme quotidienne. Les boutons *Oui* et *Non* du "
     "cadre *Activer ?* l'activent ou la désactivent ; le menu *Activer... › Oui* ou *Non* fait de "
     "même. Le changement est pris en compte lorsque vous revenez à la fenêtre principale : la "
     "cloche y apparaît alors à côté de l'heure, ou disparaît."},
    {Style::Paragraph,
     "Tant qu'elle est activée, l'alarme se déclenche chaque jour à l'heure réglée, pourvu que "
     "Vantorel soit lancé. Le menu *Configurer...* ouvre les deux boîtes qui la règlent."},
    {Style::Subheading, "Heure de l'alarme"},
    {Style::Paragraph,
     "Ouverte par *Configurer... › Heure de l'alarme*. Chaque clic sur les flèches change les "
     "minutes d'une unité ; au-delà de 59 ou en dessous de 0, l'heure passe à la suivante ou à la "
     "précédente, et après 23 : 59 vient 00 : 00. *OK* enregistre l'heure réglée et active "
     "l'alarme (bouton *Oui*) ; *Annuler* ferme la boîte sans rien changer."},
    {Style::Subheading, "Paramétrer l'alarme"},
    {Style::Paragraph, "Ouverte par *Configurer... › Configuration*. Elle choisit ce que fait l'alarme :"},
    {Style::Item,
     "*Jouer une musique* : l'alarme joue un son, choisi avec *Choisir...* (WAV, MP3 ou MIDI) ; par "
     "défaut alarme1.wav ;"},
    {Style::Item,
     "*Lancer un fichier* : l'alarme ouvre un fichier avec le programme qui lui est associé, ou lance "
     "un programme, choisi avec *Choisir* ;"},
    {Style::Item, "*Lancer un message :* cochez la case et écrivez le texte qui s'affichera dans une boîte "
                  "*Alarme*. Si le texte est vide, la case est décochée à la fermeture de la boîte."},
    {Style::Paragraph,
     "*OK* enregistre les fichiers choisis ; *Annuler* garde les fichiers précédents. Le type "
     "d'alarme et le message sont conservés dans les deux cas."},

    {Style::Heading, "Les options"},
    {Style::Paragraph, "La boîte *Options* règle l'apparence de l'horloge et le carillon :"},
    {Style::Item,
     "*Police :* et *Choisir...* : la police, la taille, le style et la couleur des trois textes de la "
     "fenêtre principale. Cette couleur sert aussi aux intitulés des autres fenêtres ;"},
    {Style::Item, "*Couleur de fond :* et *Choisir...* : la couleur de fond de toutes les fenêtres ;"},
    {Style::Item,
     "*Fréquence de vibration de la fenêtre :* le nombre de secousses de la vibration de chaque heure, "
     "de 0 à 1000 (250 par défaut). *Test* fait vibrer la boîte avec la valeur choisie ;"},
    {Style::Item, "*Sonnerie :* et *Choisir* : le son WAV du carillon, par défaut ding.wav."},
    {Style::Paragraph,
     "*OK* applique les réglages ; la police et la couleur de fond changent lorsque vous revenez à la "
     "fenêtre principale. *Annuler* les abandonne. Le style de la police (gras, italique, souligné, "
     "barré) n'est pas conservé d'un lancement à l'autre : seuls le nom, la taille et la couleur le "
     "sont."},

    {Style::Heading, "Les réglages et les fichiers du programme"},
    {Style::Paragraph,
     "Vantorel garde ses réglages dans le fichier texte config.ini, dans le dossier du programme : "
     "les options, l'alarme, l'état du chronomètre et celui du compte à rebours. Ils y sont écrits "
     "quand vous quittez le programme, certains aussi à la fermeture de leur fenêtre, et relus au "
     "lancement suivant. Le dossier du programme doit donc être accessible en écriture. Supprimer "
     "ce fichier, ou choisir *Configuration › Remise à zéro*, rend les réglages d'origine."},
    {Style::Paragraph,
     "Le même dossier contient les fichiers dont le programme a besoin : horloge.ico (l'icône), "
     "Horloge.bmp (le cadran), CLOCHE.BMP (la cloche de l'alarme), ding.wav (le carillon), "
     "alarme1.wav (le son de l'alarme et du compte à rebours) et Aidez-moi.doc (cette aide)."},
};

QByteArray paragraphStart(Style style) {
    switch (style) {
    case Style::Title:
        return "{\\pard\\qc\\sa80\\b\\fs44\\cf1 ";
    case Style::Subtitle:
        return "{\\pard\\qc\\sa360\\i\\fs24 ";
    case Style::Heading:
        return "{\\pard\\keepn\\sb280\\sa120\\outlinelevel0\\b\\fs30\\cf1 ";
    case Style::Subheading:
        return "{\\pard\\keepn\\sb160\\sa80\\outlinelevel1\\b\\fs24 ";
    case Style::Paragraph:
        return "{\\pard\\sa120\\fs22 ";
    case Style::Item:
        return "{\\pard\\fi-284\\li568\\tx568\\sa80\\fs22 \\bullet\\tab ";
    }
    return {};
}

// RTF is 7-bit text: Latin-1 letters go out as Windows-1252 escapes, anything else as Unicode.
QByteArray rtfText(const QString& text) {
    QByteArray out;
    bool bold = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '*')
            out += (bold = !bold) ? "{\\b " : "}";
        else if (u == '\\' || u == '{' || u == '}')
            out += '\\' + QByteArray(1, char(u));
        else if (u < 0x80)
            out += char(u);
        else if (u <= 0xFF)
            out += "\\'" + QByteArray::number(u, 16);
        else
            out += "\\u" + QByteArray::number(qint16(u)) +
                   (u == u'›' ? ">" : "?"); // shown by readers without Unicode
    }
    return out;
}

} // namespace

QByteArray helpDocument() {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036\n"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                     "{\\colortbl;\\red168\\green16\\blue32;}\n"
                     "{\\info{\\title Aide de Vantorel}}\n"
                     "\\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1417\n";
    for (const Block& block : Help)
        rtf += paragraphStart(block.style) + rtfText(QString::fromUtf8(block.text)) + "\\par}\n";
    return rtf + "}\n";
}

} // namespace vt
