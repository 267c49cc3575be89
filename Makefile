# make run    install what is missing, build, start the editor
# make test   install what is missing, build, run every test
# make build  build only

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

FUZZ_TIME ?= 60
FUZZ_TARGETS = maplines rows jpegbmp mapsreader
EXPORT_TESTS = tst_exportrun tst_exportcli tst_exportsafety tst_jpegbmp tst_maplines

.PHONY: deps configure build run test asan tsan fuzz bench format-check validate deb ts clean

deps:
	@scripts/install-deps.sh

configure:
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: deps build
	$(BUILD_DIR)/bin/ombrix

test: deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

# The export tests under ThreadSanitizer: the export decodes on worker threads.
tsan: export TSAN_OPTIONS = suppressions=$(CURDIR)/.ci/tsan.supp halt_on_error=1 die_after_fork=0
tsan: deps
	@cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_TSAN=ON >/dev/null
	@cmake --build build-tsan -j $(JOBS) --target ombrix $(EXPORT_TESTS)
	cd build-tsan && ctest --output-on-failure -j $(JOBS) -R '^($(subst $(eval) ,|,$(EXPORT_TESTS)))$$'

# Each libFuzzer target for FUZZ_TIME seconds from the seeds in fuzz/corpus;
# the inputs it finds go to build-fuzz/corpus. Any crash fails.
fuzz: deps
	@CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIX_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  echo "fuzz_$$t: $(FUZZ_TIME) s"; \
	  build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/ build-fuzz/corpus/$$t fuzz/corpus/$$t 2>build-fuzz/fuzz_$$t.log \
	    || { tail -40 build-fuzz/fuzz_$$t.log; exit 1; }; \
	  grep -E '^stat::number_of_executed_units' build-fuzz/fuzz_$$t.log || true; \
	done

# Every C++ source in the repository's own style (.clang-format).
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run --Werror

# The menu entry, the AppStream description and the file type, as installed by `cmake --install`.
validate: deps build
	@rm -rf $(BUILD_DIR)/stage
	@cmake --install $(BUILD_DIR) --prefix $(CURDIR)/$(BUILD_DIR)/stage >/dev/null
	desktop-file-validate $(BUILD_DIR)/stage/share/applications/org.ombrix.Ombrix.desktop
	appstreamcli validate --no-net $(BUILD_DIR)/stage/share/metainfo/org.ombrix.Ombrix.metainfo.xml
	xmllint --noout $(BUILD_DIR)/stage/share/mime/packages/org.ombrix.Ombrix.xml
	XDG_DATA_DIRS=$(CURDIR)/$(BUILD_DIR)/stage/share update-mime-database $(BUILD_DIR)/stage/share/mime
	grep -qx 'application/x-ombrix-project' $(BUILD_DIR)/stage/share/mime/types

# Refreshes the English translation's .ts from the sources; new texts come in unfinished.
ts: deps
	@scripts/update-ts.sh

# The Debian package (build-deb/ombrix_*.deb), its dependencies computed from the libraries; lintian checks it.
deb: deps
	@scripts/install-deps.sh --deb
	@cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DOMBRIX_TESTS=OFF >/dev/null
	@cmake --build build-deb -j $(JOBS)
	cd build-deb && cpack -G DEB
	lintian --fail-on error build-deb/ombrix_*.deb

bench: deps build
	bench/run.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-asan build-tsan build-fuzz build-deb
