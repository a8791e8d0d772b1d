-- Downloaded programs and scripts, newest first per machine.
SELECT machine, user, browser, time, path, url, bytes, state
FROM downloads FINAL
WHERE match(lower(path), '\\.(exe|msi|msix|appx|bat|cmd|com|scr|pif|ps1|vbs|vbe|js|jse|wsf|hta|jar|dll|lnk|iso|img)$')
ORDER BY machine, ts DESC, path
