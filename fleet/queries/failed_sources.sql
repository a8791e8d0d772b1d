-- Stores that each machine's latest run could not read (held, denied or
-- damaged), with the reason. A browser that is not installed is no failure.
SELECT machine, user, browser, profile, path, state, message, run
FROM sources FINAL
WHERE (machine, run) GLOBAL IN (SELECT machine, max(run) FROM sources GROUP BY machine)
  AND state IN ('locked', 'denied', 'parseerror')
ORDER BY machine, user, browser, profile, path
