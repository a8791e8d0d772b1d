-- The fleet's most frequent search words.
SELECT keyword, count() AS searches, uniqExact(machine) AS machines
FROM visits FINAL
WHERE keyword != ''
GROUP BY keyword
ORDER BY searches DESC, keyword
LIMIT 20
