/* Links the C output of `ledfont export --name font` and writes what it holds: the bytes of font_glyphs
   and, for a Jukta512 font, font_pairs to the file argv[1], and its #defines to stdout. */
#include <stdio.h>

#include "font.h"

int main(int argc, char **argv) {
    FILE *out;
    if (argc != 2 || (out = fopen(argv[1], "wb")) == NULL) {
        return 2;
    }
    fwrite(font_glyphs, 1, sizeof font_glyphs, out);
    printf("glyphs %lX %lu\n", (unsigned long)FONT_GLYPHS_ADDRESS, (unsigned long)FONT_GLYPHS_SIZE);
#ifdef FONT_PAIRS_SIZE
    fwrite(font_pairs, 1, sizeof font_pairs, out);
    printf("pairs %lX %lu\n", (unsigned long)FONT_PAIRS_ADDRESS, (unsigned long)FONT_PAIRS_SIZE);
#endif
    printf("image %lX %lu %08lX\n", (unsigned long)FONT_IMAGE_ADDRESS, (unsigned long)FONT_IMAGE_SIZE,
           (unsigned long)FONT_IMAGE_CRC32);
    printf("count %d %d\n", FONT_GLYPH_COUNT, FONT_GLYPH_BYTES);
    return fclose(out) == 0 ? 0 : 1;
}
