#include "cli/Usage.h"

namespace ledfont::cli {

std::string_view usageText() {
    return "usage:\n"
           "  ledfont hex   FONT [--kind hindi|jukta512] [-o OUT]\n"
           "      write FONT as an Intel HEX file, byte for byte what the editor's \"Make HEX File\" "
           "writes;\n"
           "      OUT defaults to FONT with the extension hex, and is never the font itself; -o - writes\n"
           "      to standard output (so does export's bin and srec)\n"
           "  ledfont export FONT --format c|bin|srec [--kind hindi|jukta512] [-o OUT] [--name NAME]\n"
           "      write the bytes of FONT's HEX file, at the same addresses, as C source (OUT.c and OUT.h\n"
           "      with the arrays NAME_glyphs and, for Jukta512, NAME_pairs), a raw binary from the first\n"
           "      address, or S-records; print their size, addresses and CRC-32. OUT defaults to FONT with\n"
           "      the extension c, bin or srec; NAME to FONT's file name made a C identifier, or font\n"
           "  ledfont check FONT [--kind hindi|jukta512] [--text FILE [--panels N]\n"
           "                [--against SOURCE [--size PX]]]\n"
           "      read FONT and report its glyph count, a summary and every problem found; with --text,\n"
           "      compose every line of the UTF-8 FILE and report the code points without a glyph, the\n"
           "      conjuncts drawn with the halant and the lines wider than N panels of 32 columns; with\n"
           "      --against, how many words read as the font file or family SOURCE draws them, and why not\n"
           "  ledfont show  FONT [--kind hindi|jukta512] [--glyph N]...\n"
           "      print glyphs as 16 rows of '#' (lit) and '.' (dark), the columns beyond the width after\n"
           "      a '|'; N is decimal or 0x hexadecimal, every glyph without --glyph\n"
           "  ledfont preview FONT [--kind hindi|jukta512] [--panels N] [--png OUT]\n"
           "                  [--against SOURCE [--size PX]] TEXT...\n"
           "      compose the TEXT words, joined by spaces, as the sign places the glyphs: 16 rows of '#'\n"
           "      and '.', what the sign cannot show on stderr; --png draws it as LEDs, N panels wide;\n"
           "      --against draws SOURCE's own drawing of the text after it (under it in the picture)\n"
           "  ledfont sheet FONT [--kind hindi|jukta512] -o OUT.png\n"
           "      draw every glyph as LEDs with its code, kind, width, centre, pair and warnings\n"
           "  ledfont jconv IN OUT\n"
           "      convert a conjunct list of 128 bytes written as 0x7F into decimal lines\n"
           "  ledfont verify FONT HEX [--kind hindi|jukta512]\n"
           "      check that HEX holds exactly the image of FONT; list the first 20 differences\n"
           "  ledfont unhex HEX [--kind auto|hindi|jukta512] -o FONT\n"
           "  ledfont unhex --binary FILE --base ADDRESS [--kind auto|hindi|jukta512] -o FONT\n"
           "      recover the font text from an Intel HEX file or a raw dump whose first byte lies at\n"
           "      ADDRESS (decimal or 0x hexadecimal); auto, the default, takes the kind whose addresses\n"
           "      hold data\n"
           "  ledfont import SOURCE [--kind hindi|jukta512] [--into FONT] -o OUT [--size PX]\n"
           "                 [--glyphs RANGE] [--only-empty] [--conjuncts unpaired|all|none]\n"
           "                 [--conjuncts-from TEXT]\n"
           "  ledfont import --system FAMILY [options as above]\n"
           "      set glyphs from a Unifont .hex file, a BDF font, an outline font file or the installed\n"
           "      font FAMILY, into a new font or a copy of FONT; RANGE as 0x15-0x39,0x80-0xFF; prints how\n"
           "      many were imported and which the source lacks; a Jukta512 font's conjunct glyphs without\n"
           "      a pair (all with --conjuncts all) get the conjuncts most frequent in the shipped Hindi\n"
           "      text, or in TEXT\n"
           "  ledfont --help | --version\n"
           "Without --kind the number of values decides: 18432 or more jukta512, else hindi.\n"
           "Exit status: 0 done, 1 bad input or a file error, 2 usage error.\n";
}

std::string_view versionText() {
    return "ledfont " LEDFONT_VERSION "\n";
}

}  // namespace ledfont::cli
