-- Visits per site category across the fleet.
SELECT category, count() AS visits, uniqExact(machine) AS machines
FROM visits FINAL
GROUP BY category
ORDER BY visits DESC, category
