// Keeps the assets library buildable before any asset exists.
