"""Checks the built manuals as a reader would meet them: each PDF opens (pdfinfo), and every
section listed in its .pages file starts on the page it names (pdftotext of that page holds
the section's heading), so F1 lands on the right page.

    check_manuals.py APP_DIR
"""
import re
import subprocess
import sys
import unicodedata


def text_of_page(pdf, page):
    out = subprocess.run(['pdftotext', '-layout', '-f', str(page), '-l', str(page), pdf, '-'],
                         check=True, capture_output=True, text=True).stdout
    # NFKC undoes the ligatures (ﬁ, ﬃ) the PDF's text carries.
    return re.sub(r'\s+', ' ', unicodedata.normalize('NFKC', out))


def check(app_dir, language):
    """The problems of one manual, each a line; none when it is right."""
    pdf = f'{app_dir}/VELMORA_{language}.pdf'
    info = subprocess.run(['pdfinfo', pdf], capture_output=True, text=True)
    if info.returncode != 0:
        return [f'{pdf} does not open: {info.stderr.strip()}']
    pages = int(re.search(r'^Pages:\s+(\d+)', info.stdout, re.M).group(1))
    if pages < 20:
        return [f'{pdf}: only {pages} pages']
    errors = []
    with open(f'{app_dir}/VELMORA_{language}.pages', encoding='utf-8') as index:
        sections = [line.rstrip('\n').split('\t') for line in index]
    for anchor, page, heading in sections:
        page = int(page)
        if not 1 <= page <= pages:
            errors.append(f'{anchor}: page {page} outside 1..{pages}')
        elif re.sub(r'\s+', ' ', heading) not in text_of_page(pdf, page):
            errors.append(f'{anchor}: "{heading}" is not on page {page}')
    if errors:
        return [f'{pdf}:\n  ' + '\n  '.join(errors)]
    print(f'{pdf}: {pages} pages, {len(sections)} sections on their pages')
    return []


# Both manuals are checked, whatever the first one's problems.
problems = [p for language in ('en', 'ru') for p in check(sys.argv[1], language)]
if problems:
    sys.exit('\n'.join(problems))
